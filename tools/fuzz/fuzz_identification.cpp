// The identification reply: any answer is evaluated without a crash, the evaluation is
// consistent with itself, and the search's test agrees on upper-case answers.
#include "fuzzcheck.h"
#include "serial/identification.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reply =
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const qv::serial::Identification id = qv::serial::evaluateIdentification(reply);
    QV_FUZZ_CHECK(!id.text.contains(QLatin1Char('\r')));
    QV_FUZZ_CHECK(id.text == qv::serial::normaliseIdentification(id.text));
    QV_FUZZ_CHECK(id.isModule == id.text.startsWith(QLatin1String("Q_")));
    QV_FUZZ_CHECK(id.model >= qv::settings::NoDevice && id.model <= qv::settings::ModelBRK2);
    QV_FUZZ_CHECK(id.model == (id.isModule ? qv::serial::modelFromIdentification(id.text) : 0));
    if (qv::serial::answersAsModule(reply))
        QV_FUZZ_CHECK(id.isModule);
    return 0;
}
