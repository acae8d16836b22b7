// What an emulated module is started with, as plain values: the module itself (model,
// identification, stored fields, status), its line (speeds, pacing) and its faults; a
// sequence of modules connected one after another; and reading a stored configuration
// file, a status description and a unit of a sequence from qvsim's command line.
#pragma once

#include "catalogue.h"
#include "transfer/modulerecord.h"
#include "transfer/statusreply.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace qvsim {

// A status that changes over time, for demonstrations and tests of a watch: the module's
// nth answer to the status request (counted from 1) shows its status with the steps up to n
// applied in order (the script repeats every `cycle` answers when that is above 0), and
// with `wander` the signal level, the analogue value and the counter move as on a site: the
// level drifts between 1 and 5 with some jitter, the voltage drifts about its value, the
// counter climbs. The same seed gives the same course.
struct StatusCourse
{
    struct Step
    {
        int answer = 1;
        QString items; // as --status gives them
    };
    QList<Step> steps;
    int cycle = 0;
    bool wander = false;
    quint32 seed = 1;

    bool isEmpty() const { return steps.isEmpty() && !wander; }
};

// The status of the `answer`th answer (from 1) under `course`, from `base`.
qv::transfer::status::ModuleStatus statusForAnswer(const qv::transfer::status::ModuleStatus &base,
                                                   const StatusCourse &course, int answer);
// "N:ITEMS" (--status-at): from the Nth status answer on, ITEMS as --status gives them.
std::optional<StatusCourse::Step> parseStatusStep(const QString &text, QString *error);

struct ModuleSetup
{
    Model model = Model::QV5;
    QString identText = defaultIdentification(Model::QV5);
    QByteArray identTerminator = QByteArrayLiteral("\r"); // follows the identification text
    QStringList fields = factoryFields();                 // the 56 stored fields
    qv::transfer::record::ReadOutStyle readOutStyle;
    qv::transfer::status::ModuleStatus status = defaultStatus(Model::QV5);
    // Bytes sent as they are in answer to the status request instead of the status line
    // and its CR (a malformed line, one without its CR); empty: the status line.
    QByteArray statusReply;
    StatusCourse statusCourse; // empty: the status stays as it is

    // A module of `model`: its own identification text and status, the factory fields.
    static ModuleSetup of(Model model);
};

struct LineSetup
{
    qint32 moduleBaud = 1200; // the identification and read-out speed
    // The speed of the download and the status query: 1200 as in every module. Tests of
    // the module's own behaviour may raise it to save time.
    qint32 fixedBaud = 1200;
    bool paced = true; // false: answers go out at once

    // The speed the module listens and answers at in `exchange`.
    qint32 speedOf(Exchange exchange) const;
};

// One exchange's fault. The slow faults' gaps default to just inside (under) and just
// outside (over) the program's time-out for the exchange; a value above 0 replaces that.
struct ExchangeFault
{
    Fault fault = Fault::None;
    int slowUnderMs = 0;
    int slowOverMs = 0;
};

struct FaultSetup
{
    std::array<ExchangeFault, ExchangeCount> exchanges{};
    int slowBytes = 2;        // how many bytes of each answer part a slow fault delays
    int overlongBytes = 8192; // the total size of an over-long answer
    int ackDelayMs = 4000;    // how late ack-late acknowledges
    int unplugAfterBytes = 0; // where unplug cuts an answer; 0: half-way
    int unplugPauseMs = 0;    // how long the line stays silent there before the unplug

    // Every exchange answers normally but `exchange`, which shows `fault`.
    static FaultSetup only(Exchange exchange, Fault fault);

    ExchangeFault &operator[](Exchange exchange) { return exchanges[size_t(exchange)]; }
    const ExchangeFault &operator[](Exchange exchange) const { return exchanges[size_t(exchange)]; }
};

struct Setup
{
    ModuleSetup module{};
    LineSetup line{};
    FaultSetup faults{};
};

// A series of modules on one port, as a workshop writes them: one is connected, the program
// talks to it, a person takes it off and, after a while, connects the next.
struct SequenceUnit
{
    ModuleSetup module{};
    FaultSetup faults{};
    // A loose contact (0: none): when the hold is over the unit drops off for this long (the
    // line silent, or with an adapter per module the pseudo-terminal gone) and comes back as
    // it was; it is then held again and taken off as any unit.
    int looseContactMs = 0;
};

struct SequenceSetup
{
    QList<SequenceUnit> units;
    int holdMs = 500; // a unit is taken off this long after its last exchange other than an
                      // identification (after its first identification when it had no other):
                      // a person takes the module off once the program is done with it (an
                      // identification or a read-out is over once the silence that ends it,
                      // 500 or 1200 ms, has passed)
    int gapMs = 2000; // nothing connected between two units (a person swapping modules)
    bool portPerUnit = false; // false: one adapter stays plugged in, the line stays and nothing
                              // answers during the gap; true: an adapter per module, the
                              // pseudo-terminal goes away during the gap and a new one comes
                              // (a new slave path; the link set with setLinkPath follows it)
};

// A stored configuration: 56 lines, one field each (CR LF or LF); a last empty line is
// ignored. Or one download record: 56 items each followed by "|".
std::optional<QStringList> loadFieldsFile(const QString &path, QString *error);

// "outputs=1010,inputs=0100,analog=12.5,counter=00042,supply=1,signal=4,version=FW2.1";
// any subset, applied over `status`. False (and *error) on an unknown key or bad value.
bool applyStatusItems(qv::transfer::status::ModuleStatus &status, const QString &items,
                      QString *error);

// One unit of a sequence as qvsim's --unit gives it: "model=qv3;ident=Q_QV3_FW2.1;
// config=FILE;status=ITEMS;fault=download=ack-wrong;loose=MS", every key optional, fault
// repeatable.
// The unit starts as `base` (what the other options describe); model= makes it a module of
// that model with the model's own identification and status, and the other keys then each
// replace one part. Nothing (and *error) on an unknown key or a bad value.
std::optional<SequenceUnit> parseUnitItems(const QString &text, const SequenceUnit &base,
                                           QString *error);

} // namespace qvsim
