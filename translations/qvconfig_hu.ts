<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="hu_HU">
<context>
    <name>Ui::MainWindow</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás az eszközből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés az eszközbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés ellenőrzése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyilvántartás…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel / Brastok letöltő szoftver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozatprogramozás…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap nyomtatása…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap PDF-be…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot figyelése…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form::Catalogue</name>
    <message>
        <source>Általános beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS központ száma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul PIN-kódja:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul azonosító száma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet visszaállás: (0 / 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relé meghúzási idő: (0001-9999 sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. sms-ek száma 2 óra alatt: (1-99)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefonszámok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet riasztás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RING/SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Száml.</source>
        <extracomment>Column header, 31 px wide: the pulse counter&apos;s alarm.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet vezérlés
rácsengetéskor
  4     3     2     1    Ø</source>
        <extracomment>Header over the ring-in output buttons: keep the third line&apos;s digits and the sign Ø over their columns.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenetek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. bemenő feszültség:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet visszaállás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló túlcsordulás riasztás:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló maximális értéke:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló törlés parancs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenetek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet bekapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet bekapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet bekapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet bekapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet kikapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet kikapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet kikapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet kikapcs.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenetek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet bekapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet bekapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet bekapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet bekapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet kikapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet kikapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet kikapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet kikapcsoláskor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenetek rácsengetés hatására</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monostabil       Bistabil</source>
        <extracomment>Two column headers over the output buttons, 106 px for both.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások aktiválása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások aktiválása parancs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása parancs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Térerő</source>
        <extracomment>Signal strength, over its bar: 41 px.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tápfeszültség:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot lekérdezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló értéke:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés az eszközbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás az eszközből</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés ellenőrzése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz csatlakoztatása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Általános</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digitális bemenetek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyéni</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form::StatusPanel</name>
    <message>
        <source>Várjon!...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lekérdezve: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lekérdezve: %1. Az értékek már nem a porton lévő modulé (másik modul csatlakozott, vagy egy sorozat más modulokat írt): kérdezze le újra az állapotot.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Branding</name>
    <message>
        <source>© 2026 qvconfig fejlesztők &amp;nbsp;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <extracomment>Rich text: keep the link as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Készítette: a qvconfig csapat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::CommandLine</name>
    <message>
        <source>Használat: qvconfig [kapcsolók] [fájl]
Quorvel és Brastok GSM modulok konfigurálása.

Kapcsolók:
  -h, --help       Kiírja ezt a súgót.
  -v, --version    Kiírja a program verzióját.
  --port &lt;név&gt;     Ezzel a porttal indul a &quot;COM1&quot; helyett (1200 bit/s), például
                   ttyUSB0, COM3 vagy /dev/pts/3.
  --register &lt;kapcsolat&gt;
                   A csapat PostgreSQL-nyilvántartásába is ír: libpq kapcsolati
                   szöveg (&quot;host=szerver dbname=qv user=technikus&quot;) vagy
                   szolgáltatásnév (&quot;service=qv&quot;). Jelszó nélkül: azt a ~/.pgpass
                   fájl vagy a szolgáltatásfájl adja.
  --lang &lt;nyelv&gt;   A program nyelve: hu (magyar) vagy en (angol). Enélkül a
                   menüben választott, vagy a rendszer nyelve.

Argumentumok:
  fájl             Ezt a konfigurációs fájlt (*.msw) nyitja meg az első sikeres
                   azonosítás után.
</source>
        <extracomment>The window&apos;s --help. Option names (--port, --register, --lang), the program&apos;s name, &quot;hu&quot;, &quot;en&quot;, &quot;COM1&quot;, the port names and the connection examples stay as they are; the descriptions start in column 20.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --register után meg kell adni a nyilvántartás kapcsolatát.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --lang után a program nyelve adható meg: hu vagy en.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --port után meg kell adni a port nevét.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismeretlen kapcsoló: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás parancssor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak egy konfigurációs fájl adható meg (kapott: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl neve üres.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Commands</name>
    <message>
        <source>A kiválasztott porton nem található csatlakoztatott eszköz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: %1 (%2 bit/s)
Eszköz: %3
Típus: %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be</source>
        <comment>output or input state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ki</source>
        <comment>output or input state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenetek: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenetek: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet: %1 V
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tápfeszültség: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>van</source>
        <comment>supply voltage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>supply voltage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Térerő: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzió: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl mentése nem sikerült.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres kiolvasás: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fájl</source>
        <extracomment>The two sides of the differences: &quot;3 eltérés (fájl / modul):&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul mást tárol!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrizve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elküldve</source>
        <extracomment>The two sides of the differences: what was sent and what the module stores.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A read parancs a -o FÁJL.msw kapcsolót várja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --verify kapcsoló csak a write parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
A modul mostani konfigurációja nem került a nyilvántartásba; a betöltés elmarad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés... %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n eltérés (%1 / %2):</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A(z) %1 parancs %n fájlnevet vár (kapott: %2).

%3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) %1 parancs nem használ portot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sheet parancs a -o LAP.pdf kapcsolót várja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A -o kapcsoló csak a read és a sheet parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --with-pin és a --site kapcsoló csak a sheet parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --watch kapcsoló csak a status parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --count és a --csv kapcsoló a status --watch parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --watch után a lekérdezések közti idő adható meg másodpercben, 0,5 és 3600 között (kapott: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --count után a minták száma adható meg (kapott: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --csv után meg kell adni a fájl nevét.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A helyi nyilvántartásban %n bejegyzés vár a csapat nyilvántartásába küldésre.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A modul azonosítása.</source>
        <extracomment>The commands&apos; --help, a command&apos;s line: its arguments (option names stay; FÁJL, A, B, MP, ALAP, EGYSÉGEK, LAP, SZÖVEG are placeholders to translate) and what it does. The usage puts the description in column 28.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o FÁJL.msw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul konfigurációjának kiolvasása fájlba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FÁJL.msw [--verify]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl betöltése a modulba (--verify: visszaolvasással).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FÁJL.msw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl összehasonlítása a modul konfigurációjával.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A.msw B.msw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két fájl összehasonlítása (modul nélkül).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul állapotának lekérdezése.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--watch MP [--count N] [--csv FÁJL]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az állapot figyelése MP másodpercenként (Ctrl+C: vége,
összesítéssel); --csv: napló CSV-fájlba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozatprogramozás: egymás után csatlakoztatott modulok,
mindegyik az alapfájl értékeivel és a táblázat saját sorával.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FÁJL.msw -o LAP.pdf [--with-pin] [--site SZÖVEG]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap a fájl konfigurációjáról, PDF-ben (modul nélkül).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port &lt;név&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul portja (alapértelmezés: COM1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--baud &lt;bit/s&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az azonosítás és a kiolvasás sebessége (alapértelmezés: 1200).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gépi feldolgozásra szánt JSON kimenet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--register &lt;kapcsolat&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása is (lásd qvconfig --help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang &lt;nyelv&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiírások nyelve: hu vagy en (lásd qvconfig --help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--model qv5|qv3|brk2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: a sorozat modultípusa (alapértelmezés: ahová az
első sora került, különben az első modulé).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--skip-invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: a hibás sorok kihagyása (nélküle semmi sem íródik).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--read-first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: minden modul kiolvasása betöltés előtt (mentésként a
nyilvántartásba); a sorozat egy sorát már tároló modul nem
kap újat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--results &lt;fájl&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: az eredményfájl (alapértelmezés: EGYSÉGEK-eredmeny.csv).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--with-pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheet: a modul PIN-kódja is a lapra kerül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site &lt;szöveg&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sheet: a helyszín, ahogy a lapon áll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Használat: qvconfig &lt;parancs&gt; [kapcsolók]
Parancsok:
</source>
        <extracomment>The commands&apos; --help: its first lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kapcsolók:
</source>
        <extracomment>The commands&apos; --help: the heading of the options.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépési kód: 0 kész, 1 hibás parancssor, 2 a port nem használható, 3 nincs modul vagy
nem kompatibilis, 4 sikertelen adatcsere (series: sikertelen egység vagy leállítva;
sheet: a PDF nem írható; status --watch: hiányzó minta vagy a napló nem írható),
5 eltérések.
</source>
        <extracomment>The commands&apos; --help: the exit codes (the numbers stay).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 parancs Qt Gui nélkül nem futtatható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EGYSÉGEK.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A táblázat sorozatai: kész, sikertelen, folyamatban (melyik
gépen), hátralévő sorok, egység óránként.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--new-batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: ugyanaz a táblázat új kötegként, elölről (nem folytatja
a korábbit).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--claim-lease &lt;mp&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: csapat nyilvántartásával ennyi ideig marad egy sor
foglalása e gépé megújítás nélkül (alapértelmezés: 60).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parancsok (egy parancs súgója: qvconfig help PARANCS):
</source>
        <extracomment>The window&apos;s --help: the heading of the commands&apos; list (PARANCS is a placeholder).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismeretlen parancs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(erre gondolt: %1?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A parancsok listája: qvconfig --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás sebesség: %1 (választható: %2 bit/s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1, %2 bit/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALAP.msw EGYSÉGEK.csv [--verify] [--model qv5|qv3|brk2] [--skip-invalid]
[--read-first] [--results FÁJL] [--new-batch] [--port A --port B ...]
[--claim-lease MP] [--retry-any-lane]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--retry-any-lane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series: a sikertelen egység sora bármelyik port következő
moduljára kerül (nélküle ugyanannak a portnak a
következő moduljára).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::ConfigFile</name>
    <message>
        <source>A(z) %1 fájl nem olvasható.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott fájl nem létezik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem olvasható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 nem konfigurációs fájl: túl nagy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott file &quot;%1&quot; nem nyitható meg a jelenlegi verzióval.
Kérem töltse le a legújabb verziót a &apos;%2&apos; oldalról,
majd töltse be a &apos;defval_qv.dll&apos; fájlt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl szintaxisa hibás.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Exchange</name>
    <message numerus="yes">
        <source>A modulban %n érték tér el.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qv::FieldCaption</name>
    <message>
        <source>%1. telefonszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS központ száma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul PIN-kódja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul azonosító száma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet visszaállás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relé meghúzási idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. sms-ek száma 2 óra alatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztási értéke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztási értéke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló maximális értéke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet visszaállás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló túlcsordulás riasztás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet bekapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet bekapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet bekapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet bekapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es bemenet kikapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es bemenet kikapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as bemenet kikapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es bemenet kikapcs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet bekapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet bekapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet bekapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet bekapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet kikapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet kikapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet kikapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet kikapcsoláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulzusszámláló törlés parancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások aktiválása parancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása parancs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(üres)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>no output</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>analóg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>számláló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hívás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>no rights</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-es kimenet rácsengetéskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-es kimenet rácsengetéskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-as kimenet rácsengetéskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-es kimenet rácsengetéskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfiguráció</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n mező</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Monostabil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bistabil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. bemenő feszültség</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenntartott mező (%1.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. telefonszám: vezérelt kimenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. telefonszám: jogok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; mező nem tartalmazhat &quot;%2&quot; karaktert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; mező nem tartalmazhat sortörést!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::FieldHints</name>
    <message numerus="yes">
        <source>Csak számjegyek és szóköz, legfeljebb %n karakter.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Csak számjegyek, szóköz és „+”, legfeljebb %n karakter.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Csak ékezet nélküli betűk, számjegyek és jelek, legfeljebb %n karakter.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A magas riasztási szint egész voltjai.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A magas riasztási szint tized voltja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az alacsony riasztási szint egész voltjai.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az alacsony riasztási szint tized voltja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A szint legfeljebb %1 a „%2”, %3 a „%4” tartományban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nagyobbnak kell lennie az alacsony szintnél.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kisebbnek kell lennie a magas szintnél.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rögzített előtag: „%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Értéke %1, vagy üres.</source>
        <extracomment>%1 lists the values the field takes, joined by &quot; vagy &quot; (&quot;or&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> vagy </source>
        <comment>joins the values of a field</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Értéke %1–%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Balról nullákkal %n jegyűre egészül ki.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Csak az „%1” szolgáltatónál írható át.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az 1. bemenet riasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1. bemenet riasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az analóg bemenet riasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pulzusszámláló riasztása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. telefonszám: értesítés hívással
Csak akkor jelölhető, ha a szám legalább egy riasztást kap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. telefonszám: értesítés SMS-ben
Csak akkor jelölhető, ha a szám legalább egy riasztást kap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. telefonszám: %2</source>
        <extracomment>%1 is the number of the telephone entry, %2 what its check box stands for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::FieldRules</name>
    <message>
        <source>Beviteli hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak számok adhatóak meg!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak valós telefonszám adható meg!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak valós telefonszámok adhatóak meg!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az érték 0 vagy 1 lehet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ékezetek nem használhatóak!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az érték maximum %1.0 V lehet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A magas riasztási érték nem lehet kisebb, mint az alacsony érték!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::IdentifyModule</name>
    <message>
        <source>A kiválasztott port nem nyitható meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiválasztott porton nem található csatlakoztatott eszköz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott eszköz nem kompatibilis a jelenlegi szoftververzióval.
Kérem töltse le a legújabb verziót a &quot;%1&quot; oldalról!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Messages</name>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem mentett módosítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az űrlapon olyan módosítások vannak, amelyek sem fájlba, sem az eszközbe nem kerültek.
Menti őket, mielőtt folytatja?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <comment>button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elvetés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 már létezik.
Szeretné lecserélni?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::OpenAdvice</name>
    <message>
        <source>ismeretlen hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot egy elavult zárolófájl tartja foglaltként: %2 (az azt létrehozó folyamat, PID %3, már nem fut).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot egy elavult zárolófájl tartja foglaltként: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot a(z) %2 zárolófájl tartja foglaltként, de az abban megnevezett folyamat (PID %3) nem használja a portot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot a(z) %2 fájl tartja foglaltként, amely nem szabályos zárolófájl (például csővezeték vagy hivatkozás).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt vagy nincs hozzáférés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rendszer megtagadta a hozzáférést</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs jogosultság (&quot;%1&quot; csoport)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs jogosultság</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs jogosultság (csak rendszergazda)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt: elavult zárolófájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt: idegen zárolófájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt: hibás zárolófájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt: egy másik program használja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foglalt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs megadva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem található</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem nyitható meg: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zárja be a portot használó programot, majd próbálja újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezt nem a felhasználó jogosultságai okozzák, hanem a rendszer (például egy konténer vagy egy eszközöket tiltó csatolás): kérje a rendszergazdát, hogy engedélyezze az eszközt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A felhasználó már tagja a(z) &quot;%1&quot; csoportnak, de ez csak új bejelentkezés után érvényes: jelentkezzen ki, majd be újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adja hozzá a felhasználót a(z) &quot;%1&quot; csoporthoz (sudo usermod -aG %1 $USER), majd jelentkezzen be újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A portot csak rendszergazdai jogosultsággal lehet használni: kérje a rendszergazdát, hogy adjon hozzáférést.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Törölje a zárolófájlt (%1), majd próbálja újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válasszon portot az &quot;Eszköz csatlakoztatása&quot; gombbal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrizze, hogy az eszköz csatlakoztatva van-e, majd válassza ki újra a portot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrizze az eszközt és a port beállítását.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 port nem nyitható meg: egy másik program használja, vagy a hozzáférés nem engedélyezett (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rendszer megtagadta a(z) %1 port megnyitását, bár a fájl jogosultságai szerint a felhasználó használhatja (megpróbálva: megnyitás olvasásra és írásra – %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs jogosultság a(z) %1 port használatához.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs jogosultság a(z) %1 port használatához (a port a(z) &quot;%2&quot; csoporté).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot egy másik program használja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 portot egy másik program használja: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs kiválasztva port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 port nem található.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 port nem nyitható meg: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem használható portok:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Outcome</name>
    <message>
        <source>A válasz hosszabb bármely konfigurációnál (%1 bájt): nem a modul válaszolt, vagy zajos a vonal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul nem válaszolt (%1 s csend).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bájt érkezett mezőelválasztó nélkül: nem konfiguráció, vagy más a beállított elválasztó.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A válasz megszakadt: %1 mező érkezett az 56 helyett, majd %2 s csend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mező érkezett az 56 helyett.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasva: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::PortMessages</name>
    <message>
        <source>Nem válaszolt modul a(z) %1 porton (%2 bit/s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 port ezen a gépen nem létezik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 ezen a gépen a(z) %2 port volna, de ilyen nincs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A gépen nincs soros port: csatlakoztassa az adaptert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A gép soros portjai: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Program</name>
    <message>
        <source>A program egy része (%1) nem tölthető be: %2
Telepítse újra a programot.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::ReadOut</name>
    <message>
        <source>Sikertelen kiolvasás.
Nem lehet megnyitni a portot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikertelen kiolvasás.
A port megszűnt a kiolvasás közben: az eszköz vagy az adapter lecsatlakozott. Csatlakoztassa újra, majd ismételje meg a kiolvasást.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikertelen kiolvasás. (Ismeretlen formátum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kiolvasást a felhasználó megszakította.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakítás</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::SerialPortError</name>
    <message>
        <source>az eszköz nem található</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs hozzáférés, vagy egy másik program használja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port már meg van nyitva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port nincs megnyitva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>írási hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>olvasási hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az eszköz váratlanul eltűnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rendszer nem támogatja a beállítást</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>időtúllépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ismeretlen hiba</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::Sheet</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulazonosító</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Típus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helyszín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technikus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hívása kapcsolja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztást kap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Értesítés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>analóg bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>számláló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hívás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>–</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jogosult telefonszámok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS-parancsok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bekapcsolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kikapcsolás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hívásra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bekapcsol a relé idejére</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>átvált (be ↔ ki)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások bekapcsolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló törlése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN-kód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem szerepel ezen a lapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS-központ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenetek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Név</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS aktív állapotban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS inaktív állapotban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mérési tartomány</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–30 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0–15 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magas riasztási szint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS magas szintnél</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alacsony riasztási szint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS alacsony szintnél</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS visszaálláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legnagyobb érték</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS túlcsorduláskor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relé meghúzási ideje</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n másodperc</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>SMS-korlát</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>legfeljebb %n SMS 2 óra alatt</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bemenet visszaállás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bekapcsolva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kikapcsolva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Működés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – %2. oldal</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>bekapcsol %n másodpercre</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <comment>row heading</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. bemenet</source>
        <comment>row heading</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::SheetCommand</name>
    <message>
        <source>A -o nem a konfigurációs fájlt nevezheti meg (%1): az ügyféllap felülírná.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --site szövege legfeljebb %1 karakter lehet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 konfigurációjából nem készül ügyféllap.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ügyféllap nem menthető: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::StatusQuery</name>
    <message>
        <source>Sikertelen lekérdezés.
Ellenőrizze az eszközt!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::WriteModule</name>
    <message>
        <source>Betöltés hiba.
Tipp: ellenőrizze az eszközt és a port beállítást.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés nem sikerült.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
A modul mást tárol!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés megszakítva.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::app::gui::MainWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba! A dokumentáció nem nyitható meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Mode: Quorvel-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Mode: Quorvel-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Mode: Brastok-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Mode: No Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyelv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program a következő indításakor vált nyelvet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs megnyitott fájl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem mentett módosítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – megnyílik, amint egy eszköz csatlakozott</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az alapértékek nem töltődtek be: a módosítások megmaradtak, az űrlap a(z) %1 modellhez igazítva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   Baud: %2</source>
        <extracomment>The port and its speed in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Baud: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzésben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés modellje nem ismert, ezért az űrlap nem igazítható hozzá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés egy %1 modul konfigurációja, de nincs azonosított eszköz. Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a modellhez igazodjon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés egy %1 modul konfigurációja, a csatlakoztatott eszköz %2. Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a modellhez igazodjon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megnyitás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
A bejegyzés nem nyitható meg az űrlapon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés konfigurációja nem olvasható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az űrlapon a nyilvántartás %1 bejegyzése: %2 – %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
A bejegyzés nem menthető fájlba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás az űrlappal</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A bejegyzésben %n érték tér el:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Az űrlapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozatprogramozás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat fut. Leállítja az éppen írt modul után, és kilép?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az összehasonlítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port választása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a betöltés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az állapot lekérdezése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kézikönyv (PDF): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mappa megnyitása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Újraindítás most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program nem indítható újra. Indítsa el újra kézzel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::app::gui::about</name>
    <message>
        <source>Névjegy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel / Brastok
Letöltő Szoftver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version v%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::cli</name>
    <message numerus="yes">
        <source>%n sor korábban elkészült, azok kimaradnak.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1. sor: kész (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: sikertelen (%2)
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1. sor)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegye le a modult…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leállítás: a sorozat a mostani egység befejezése után megáll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás sorok: egyetlen modul sem kapott értéket. A hibás sorok kihagyásához adja meg a --skip-invalid kapcsolót.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozat: %1 (kész most: %2, korábban: %3, sikertelen: %4, kihagyva: %5, hátra: %6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredmények: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismeretlen modultípus: %1 (qv5, qv3 vagy brk2 lehet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --results után meg kell adni a fájl nevét.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A táblázat fejléce vagy az alapfájl hibás (lásd fent): egyetlen modul sem kapott értéket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: betöltve, nincs nyilvántartásban (%2)
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló (%1) nem írható tovább: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kimenetek %1  bemenetek %2  táp %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>van</source>
        <comment>supply voltage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>supply voltage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  analóg %1 V  számláló %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  térerő %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibás válasz: „%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs válasz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port nem érhető el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port nem nyitható meg: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló (%1) nem írható: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összesítés: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibás foglalási idő: %1 (2 és 86400 másodperc között lehet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: kész, %2 port (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor: betöltve, de a foglalása elveszett (%2)
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegye le a modult (%1 port)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új köteg: a táblázat %1. kötege indul, minden sora elölről.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A --model, --skip-invalid, --read-first, --results, --new-batch, --claim-lease és --retry-any-lane kapcsoló csak a series parancshoz tartozik.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::files::gui::FileController</name>
    <message>
        <source>Fájl megnyitása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres mentés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fájl mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl mentése nem sikerült.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg</name>
    <message>
        <source>A nyilvántartás nem érhető el.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::Connection</name>
    <message>
        <source>Például: host=szerver dbname=nyilvantartas user=technikus, vagy egy szolgáltatás neve a ~/.pg_service.conf fájlból.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) %1. karakternél kulcsszó=érték párt vár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a(z) &quot;%1&quot; értékének idézőjele nincs lezárva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a cím nem értelmezhető (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kapcsolat leírása jelszót tartalmaz. A program nem jegyez meg jelszót: adja meg a jelszót a ~/.pgpass fájlban (vagy egy szolgáltatásfájlban), és írja be a kapcsolatot jelszó nélkül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kapcsolat &quot;%1&quot; értéke pontosvesszőt tartalmaz, amelyet a program nem tud továbbadni. Adja meg egy szolgáltatásfájlban (~/.pg_service.conf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs megadva a csapat nyilvántartásának kapcsolata. %1</source>
        <extracomment>%1 is an example of a connection.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartásának kapcsolata nem értelmezhető: %1. %2</source>
        <extracomment>%1 says what is wrong in the connection, %2 is an example of a connection.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::Entry</name>
    <message>
        <source>Kiolvasás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rendben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eltérés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés betöltés előtt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation></translation>
    </message>
    <message>
        <source>Figyelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rendben, ellenőrizve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::Journal</name>
    <message>
        <source>A nyilvántartás nincs megnyitva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása most nem érhető el, csak a helyi bejegyzések látszanak. (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem válaszolt időben</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bejegyzés elküldve a csapat nyilvántartásába, %1 még vár.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bejegyzés elküldve a csapat nyilvántartásába.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A csapat nyilvántartása (%1) nem válaszolt %n másodpercen belül; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qv::reg::Store</name>
    <message>
        <source>A bejegyzés nem került be a csapat nyilvántartásába (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás nem használható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás nem használható: hiányzik a Qt SQLite-illesztőprogramja (Debianon a libqt6sql6-sqlite csomag). Telepítse, majd indítsa újra a programot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás mappája (%1) nem hozható létre. Ellenőrizze, hogy a szülőmappája írható-e.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem hozható létre: %2. Ellenőrizze, hogy a mappája írható-e, és hogy van-e hely a lemezen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem a program nyilvántartása (%2). A program a nyilvántartás nélkül működik tovább, a fájlt nem változtatta meg. Nevezze át vagy helyezze át a fájlt, és a program a következő indításkor új nyilvántartást kezd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem adatbázis, vagy sérült</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sérült: csonka adatbázis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem olvasható. Ellenőrizze a jogosultságait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem nyitható meg: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sérült adatbázis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem olvasható: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy másik program adatbázisa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem használható: hiányzik a Qt PostgreSQL-illesztőprogramja (Debianon a libqt6sql6-psql csomag). Telepítse, majd indítsa újra a programot; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása (%1) elutasította a bejelentkezést: %2. Ellenőrizze a felhasználó nevét és a jelszót a ~/.pgpass fájlban; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása (%1) nem érhető el: %2. Ellenőrizze a hálózatot és a kapcsolat adatait; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás (%1) nem hozható létre vagy nem olvasható: %2. Ellenőrizze, hogy írható-e.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartást (%1) a program egy újabb változata írta (%2. változatú adatszerkezet; ez a program a(z) %3. változatig ismeri). A bejegyzései olvashatók, de új bejegyzés nem kerül bele: frissítse a programot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keresés nem sikerült a nyilvántartásban (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem olvasható a nyilvántartásból (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a lemez megtelt. Szabadítson fel helyet a lemezen. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a fájl vagy a mappája nem írható. Ellenőrizze a jogosultságokat, és hogy a lemez nincs-e csak olvashatóként csatolva. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): egy másik program túl sokáig foglalta. Próbálja újra. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a fájl sérült. Nevezze át, és a program újat hoz létre. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): írási hiba történt. Ellenőrizze a lemezt. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): nem írható. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem közönséges fájl, hanem mappa, cső, foglalat vagy eszköz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::TeamSender</name>
    <message>
        <source>A helyi nyilvántartásban nem jelölhető meg, hogy a bejegyzések már a csapat nyilvántartásában vannak (%1). Újra elküldésre kerülnek; a csapat nyilvántartása mindegyiket egyszer őrzi.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterController</name>
    <message>
        <source>Nyilvántartás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás minden bejegyzése megőrzi, ki dolgozott a modullal.
Az Ön neve (üresen is hagyható, és később a nyilvántartás
&quot;Beállítások…&quot; gombjával módosítható):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kihagyás</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterModel</name>
    <message>
        <source>helyi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>megosztva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csapat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Művelet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulazonosító</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Név</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technikus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helyszín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hol</source>
        <extracomment>Column: where the entry is kept (local, shared, team).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <extracomment>Column: the telephone numbers the search found, or the first of the entry&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterSettingsDialog</name>
    <message>
        <source>A nyilvántartás beállításai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csak ezen a számítógépen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ezen a számítógépen és a csapat PostgreSQL-nyilvántartásában</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host=szerver dbname=qv user=technikus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzések mindig ebbe a fájlba kerülnek: %1
Csapat-nyilvántartással onnan a kiszolgálóra is, amint az elérhető.
Kapcsolat: libpq kapcsolati szöveg (host=… dbname=… user=…) vagy szolgáltatásnév (service=qv). Jelszót itt nem lehet megadni: a PostgreSQL a ~/.pgpass fájlból vagy a szolgáltatásfájlból (~/.pg_service.conf) veszi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ebben a futásban a --register kapcsoló szerinti nyilvántartás él: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csak helyi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>például: Kovács Kft., Pince u. 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kapcsolat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technikus neve:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helyszín (a következő bejegyzésekhez):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterWindow</name>
    <message>
        <source>Két bejegyzés összehasonlítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A két bejegyzésben %n érték tér el:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>nem futott</source>
        <comment>verification</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egyezik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eltér</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   %2 – %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modul: %1 – %2 (%3, azonosítás: %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefonszámok: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: %1, %2 bit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyugtázva: %1; ellenőrzés: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technikus: %1; helyszín: %2; felhasználó: %3@%4; program: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eltérések:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1: %2 ↔ %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfiguráció nem tartozik hozzá.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyilvántartás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulazonosító, név, telefonszám, technikus vagy helyszín</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Időszak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beállítások…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden bejegyzés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Előzmények</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megnyitás az űrlapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés fájlba…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás az űrlappal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ehhez csatlakoztatott eszköz kell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>–</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 – %2 modul előzményei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 bejegyzéshez nem tartozik konfiguráció.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>legalább %n találat</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n találat</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) %1 azonosítójú modul előzményei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozatok…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy táblázat sorozatai: kész, sikertelen, folyamatban lévő és hátralévő sorok, és melyik gép melyiket írta.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::serial::gui::PortController</name>
    <message>
        <source>Eszköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port sikeresen kiválasztva: %1
A csatlakoztatott eszköz: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::serial::gui::setcom</name>
    <message>
        <source>sorozatszám: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatikus portkeresés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frissítés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talált soros portok:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>használható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keresés...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megszakítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eszköz nem található.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::series</name>
    <message>
        <source>A(z) %1. sorban egy idézőjeles mező után a „%2” karakter áll; a mező idézőjele után elválasztó vagy sorvége következhet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sorban kezdődő idézőjeles mező nincs lezárva a fájl végéig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ismeretlen oszlop: a fejléc a konfiguráció mezőinek nevét várja (m_id, m_nev, t1…t8, smskp …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az oszlop kétszer szerepel a fejlécben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul típusának nincs ilyen mezője.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez a mező nem módosítható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) „%1” mező nem tartalmazhat sortörést!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A(z) „%1” mezőbe legfeljebb %n karakter írható.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) „%1” mező nem tartalmazhat „|” karaktert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl túl nagy (legfeljebb %1 MB lehet): nem egy egységtáblázat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl UTF-16 kódolású. Mentse „CSV UTF-8” formátumban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem UTF-8 kódolású. Mentse a táblázatot „CSV UTF-8” formátumban (pontosvesszővel vagy vesszővel tagolva).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl nem szöveg: nem egy egységtáblázat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sorban több mező van (%2), mint a fejlécben (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájl üres: az első sorban a mezők nevét, alatta soronként egy-egy modul értékeit várja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájlban csak a fejléc van: egyetlen modul sora sincs benne.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem olvasható: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem használható.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1): az alapfájlban üres, és nincs ilyen oszlop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csoport egyik gombjának bekapcsolva kell lennie: kapcsoljon be helyette egy másikat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csoportjából csak egy gomb lehet bekapcsolva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fejléc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 („%3”): %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folyamatban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kész</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>korábban kész</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kihagyva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 kész</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) nem írható: %2. Ellenőrizze, hogy a mappája írható-e, és hogy nincs-e megnyitva egy táblázatkezelőben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: „%2” / „%3”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, mely sorok készültek el korábban.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat a nyilvántartás nélkül nem indítható, mert abba jegyzi fel az elkészült sorokat.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott eszköz (%1) típusa ismeretlen: nem kap sort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott modul %1 típusú, a sorozat %2 típusú modulokhoz készül: ez a modul nem kap sort. Csatlakoztasson %2 modult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat zárolófájlja (%1) nem hozható létre. Ellenőrizze, hogy a mappája írható-e.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, folyamatazonosító: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez a sorozat már fut ezen a számítógépen (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ez a sorozat már fut ezen a számítógépen, a(z) %1 porton (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy sorozat egyszerre csak egy helyen futhat, különben a sorai két modulba is bekerülnének. Várja meg, amíg véget ér, vagy állítsa le.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csatlakoztatott modul már programozva van (%1. sor): nem kap újat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
A modul mostani konfigurációja nem került a nyilvántartásba, ezért nem kap sort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul kiolvasása nem került be a nyilvántartásba: a sorozat leáll, a modul nem kapott sort.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor a modulba került, de a nyilvántartásba nem, ezért nem számít késznek. A sorozat leáll: a nyilvántartás nélkül nem tudná, mely sorok készültek el.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor eredménye nem került be a nyilvántartásba. A sorozat leáll: a nyilvántartás nélkül nem tudná, mely sorok készültek el.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hárítsa el a nyilvántartás hibáját, és indítsa újra a sorozatot ezzel a modullal a helyén: elsőként ezt írja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>betöltve, nincs nyilvántartásban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) ugyanaz a fájl, mint az alapfájl: a sorozat felülírná. Adjon meg más eredményfájlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) ugyanaz a fájl, mint a modulok táblázata: a sorozat felülírná. Adjon meg más eredményfájlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 port kétszer szerepel: egy port egy sávot kaphat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 és a(z) %2 ugyanaz az eszköz (%3): két sáv nem írhatja ugyanazt a modult. Mindegyik portot egyszer adja meg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 port: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem érhető el (%1). A mostani egység befejeződik, a bejegyzése itt vár, de új sort nem vesz ki ez a gép, amíg a kiszolgáló nem válaszol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása ismét válaszol: a sorozat folytatódik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sor foglalása lejárt, amíg a csapat nyilvántartása nem volt elérhető, és közben a(z) %1 gép vette át: a sor két modulba is kerülhetett. Ellenőrizze mindkettőt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor betöltése ezen a gépen félbeszakadt (%2): az akkori modul nincs ellenőrizve. Ellenőrizze, vagy programozza újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartásában van egy másik, ugyanilyen nevű (%1), de más tartalmú táblázat sorozata: az külön sorozat, a sorai nem keverednek ezzel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hátralévő sorok más gépeken készülnek: a sorozat vár, amíg elkészülnek, vagy valamelyik felszabadul.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat előző futása a(z) %1. sor betöltése közben szakadt félbe (%2 port): az akkori modul nincs ellenőrizve. Ellenőrizze, vagy programozza újra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): %3 sor, kész %4, sikertelen %5, folyamatban %6, hátra %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 egység óránként</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; most: %1 (%2 óta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>másik gépen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>betöltve, a foglalás elveszett</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n kihagyva</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A sor a következő modullal újra sorra kerül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sor ennek a portnak a következő moduljával újra sorra kerül.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem olvasható: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyilvántartás nem olvasható: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: kész sorok: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kész</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikertelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folyamatban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hátra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egység/óra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gépek: melyik sorokat írták, mit írnak most</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesController</name>
    <message>
        <source>Sorozatprogramozás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki az alap konfigurációs fájlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki a modulok táblázatát (CSV).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 táblázatban nincs egy modul sora sem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… és még %n hiba.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A táblázat hibás, egyetlen modul sem kap értéket:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sor nem írható be a modulokba:
%1

Kihagyja ezeket a sorokat, és a többivel kezdi a sorozatot?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A sorozat leáll, amint az aktuális modul elkészült…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 írása…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult a(z) %1. sorhoz%2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 sikertelen: %3
Vegye le a modult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 kész. Vegye le a modult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elutasított modul: %1
Vegye le a modult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 írása… %3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat leállt (%1). Vegye le a modult.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat leállt (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat véget ért (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fájlok és a sorok ellenőrzése…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat nem indult el.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki a fájlokat, majd indítsa a sorozatot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indítsa a sorozatot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>indul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)%3…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegye le a modult</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegye le a modult (%1 port).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elutasított modul: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>írás… %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vége</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesDialog</name>
    <message>
        <source>Sorozatprogramozás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alap konfiguráció:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulok táblázata:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredmények fájlja:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV: fejléc a mezők nevével, soronként egy modul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzés visszaolvasással</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Típus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki a fájlokat, majd indítsa a sorozatot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat az éppen írt modul után áll le; modul nem marad félig írva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kijelölt sikertelen sorok újra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: %1, %2 bit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alap konfiguráció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulok táblázata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eredmények fájlja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indítsa a sorozatot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sorozat fut. Leállítja az éppen írt modul után, és bezárja az ablakot?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sorozat első modulja szerint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden modul konfigurációja betöltés előtt kiolvasva a nyilvántartásba kerül, és a sorozat egy sorát már tároló modul nem kap újat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Új köteg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A táblázat újra, elölről, új modulokba: nem folytatja a korábbi köteget, amelynek sorai a nyilvántartásban maradnak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangjelzés a cserénél</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangjelzés, amikor a modult le kell venni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Más port neve, majd Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portok:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló: elutasított modulok és figyelmeztetések</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Újra bármelyik porton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sikertelen egység sora bármelyik port következő moduljára kerül, nem csak ugyanannak a portnak a következőjére.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesModel</name>
    <message>
        <source>Sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idő</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesStatusDialog</name>
    <message>
        <source>Sorozatok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modulok táblázata (CSV), amelynek sorozatait látni akarja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frissítés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Táblázat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modulok táblázata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv);;Minden fájl (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Válassza ki a modulok táblázatát (CSV).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennek a gépnek a nyilvántartása szerint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A csapat nyilvántartása szerint.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::sheet::gui::SheetController</name>
    <message>
        <source>Ügyféllap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bejegyzés konfigurációja nem olvasható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Az ügyféllap nem készült el.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap – nyomtatási kép</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap PDF-be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ugyfellap.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ugyfellap-%1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-dokumentum (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 a megnyitott konfigurációs fájl: az ügyféllap nem kerülhet a helyére.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ügyféllap nem menthető: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ügyféllap elkészült: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::sheet::gui::SheetDialog</name>
    <message>
        <source>Ügyféllap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az ügyféllap a modul beállításairól.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ügyféllap: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>például: Kovács Kft., Pince u. 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul PIN-kódja is a lapra kerül</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyomtatás…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mentés PDF-be…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helyszín:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::CompareController</name>
    <message>
        <source>Az űrlapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::CompareDialog</name>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A modulban %n érték tér el:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A modulban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mező</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::DownloadController</name>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

A modul mostani konfigurációja nem került a nyilvántartásba. Betölti mégis az űrlapot az eszközbe?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::ReadOutController</name>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::StatusController</name>
    <message>
        <source>Állapot lekérdezése...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::dload</name>
    <message>
        <source>Betöltés hiba.
Tipp: ellenőrizze az eszközt és a port beállítást.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrzés...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés megszakítva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés nem sikerült.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrizve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sikeres betöltés.
A modul mást tárol!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elküldve</source>
        <extracomment>Column of the differences: what was sent to the module.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betöltés folyamatban...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellenőrzés betöltés után</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A következő betöltések előtt a modul konfigurációja kiolvasva a nyilvántartásba kerül.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::watch</name>
    <message>
        <source>A fájl nem állapotfigyelési napló: az első sora nem a napló fejléce.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló (%1) nem fájl, vagy nem található.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló (%1) nem nyitható meg: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló (%1) túl nagy: %2 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bemenet %1 aktív</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bemenet %1 inaktív</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kimenet %1 be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kimenet %1 ki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tápfeszültség visszatért</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tápfeszültség megszűnt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gyenge térerő (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>térerő ismét megfelelő (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a modul nem válaszol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a modul ismét válaszol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port eltűnt (kihúzott adapter?), a figyelés várakozik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port visszatért</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port nem nyitható meg: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs jel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gyenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elfogadható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>közepes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jó</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kiváló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs adat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>érvénytelen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>térerő: min. %1, medián %2, max. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>térerő: nincs adat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Időtartam: %1, minták: %2 (hiányzó: %3), %4, események: %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::SignalMeter</name>
    <message>
        <source>Térerő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs adat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az utolsó perc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::TrendPlot</name>
    <message>
        <source>Görgő: nagyítás, húzás: görgetés, dupla kattintás: a teljes figyelés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Térerő</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg (V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tápfeszültség</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::WatchController</name>
    <message>
        <source>A figyelés naplója nem írható (%1): a figyelés megy, de a napló nem menthető.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A figyelés naplója nem írható tovább (%1): a figyelés megy, de a mentett napló nem lesz teljes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A(z) %1 porton állapotfigyelés fut, a sorozat nem indulhat el rajta. Állítsa le a figyelést (Eszköz → Állapot figyelése…, Leállítás), majd indítsa a sorozatot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs menthető napló: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sor nem olvasható, kimaradt (az első a(z) %1. sor).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A napló csak a legutóbbi mintáival látszik.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::WatchDialog</name>
    <message>
        <source>Állapot figyelése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ennyi időnként kérdezi le a modul állapotát. Egy lekérdezés kb. fél másodpercig tart a vonalon: ennél sűrűbben nem lehet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leállítás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangjelzés a térerővel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minden mintánál rövid hang: minél jobb a térerő, annál magasabb; gyenge térerőnél két mély hang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jelenlegi állapot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kimenetek:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemenetek:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tápfeszültség:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analóg bemenet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Számláló:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utolsó minta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Események másolása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló mentése…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló megnyitása…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Időköz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Események:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A modul nem válaszol (5 másodperc csend). A figyelés %1 s-onként újra kérdezi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port nem nyitható meg (%1). A figyelés %2 s-onként újra próbálja.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorozatprogramozás fut: a port a sorozaté, a figyelés nem indítható.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leállítva.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem fut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szünetel, amíg %1 tart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figyelés %1 s-onként a(z) %2 porton.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port eltűnt (kihúzott adapter?): a figyelés szünetel, és folytatódik, amint a port visszatér.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló mentése</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV napló (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A napló nem menthető (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napló megnyitása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Megnyitott napló: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nincs hangkimenet: a hangjelzés nem szólhat.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
