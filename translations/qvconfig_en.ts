<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu_HU">
<context>
    <name>Ui::MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Megnyitás</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Kiolvasás az eszközből</source>
        <translation>Read out from device</translation>
    </message>
    <message>
        <source>Betöltés az eszközbe</source>
        <translation>Download to device</translation>
    </message>
    <message>
        <source>Betöltés ellenőrzése</source>
        <translation>Verify download</translation>
    </message>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation>Compare with the module</translation>
    </message>
    <message>
        <source>Nyilvántartás…</source>
        <translation>Register…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Tartalom</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>No Device</source>
        <translation>No Device</translation>
    </message>
    <message>
        <source>Quorvel / Brastok letöltő szoftver</source>
        <translation>Quorvel / Brastok download software</translation>
    </message>
    <message>
        <source>Sorozatprogramozás…</source>
        <translation>Series programming…</translation>
    </message>
    <message>
        <source>Ügyféllap nyomtatása…</source>
        <translation>Print Customer Sheet…</translation>
    </message>
    <message>
        <source>Ügyféllap PDF-be…</source>
        <translation>Customer Sheet as PDF…</translation>
    </message>
    <message>
        <source>Állapot figyelése…</source>
        <translation>Watch status…</translation>
    </message>
</context>
<context>
    <name>form::Catalogue</name>
    <message>
        <source>Általános beállítások</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>SMS központ száma:</source>
        <translation>SMS centre number:</translation>
    </message>
    <message>
        <source>Modul PIN-kódja:</source>
        <translation>Module PIN code:</translation>
    </message>
    <message>
        <source>Modul azonosító száma:</source>
        <translation>Module ID number:</translation>
    </message>
    <message>
        <source>Modul neve:</source>
        <translation>Module name:</translation>
    </message>
    <message>
        <source>Bemenet visszaállás: (0 / 1)</source>
        <translation>Input reset: (0 / 1)</translation>
    </message>
    <message>
        <source>Relé meghúzási idő: (0001-9999 sec)</source>
        <translation>Relay on time: (0001-9999 sec)</translation>
    </message>
    <message>
        <source>Max. sms-ek száma 2 óra alatt: (1-99)</source>
        <translation>Max. number of SMS in 2 hours: (1-99)</translation>
    </message>
    <message>
        <source>Telefonszámok</source>
        <translation>Telephone numbers</translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Bemenet riasztás</source>
        <translation>Input alarm</translation>
    </message>
    <message>
        <source>RING/SMS</source>
        <translation>RING/SMS</translation>
    </message>
    <message>
        <source>Száml.</source>
        <extracomment>Column header, 31 px wide: the pulse counter&apos;s alarm.</extracomment>
        <translation>Cnt.</translation>
    </message>
    <message>
        <source>Analóg</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Kimenet vezérlés
rácsengetéskor
  4     3     2     1    Ø</source>
        <extracomment>Header over the ring-in output buttons: keep the third line&apos;s digits and the sign Ø over their columns.</extracomment>
        <translation>Output switched
when rung
  4     3     2     1    Ø</translation>
    </message>
    <message>
        <source>Analóg bemenetek</source>
        <translation>Analog inputs</translation>
    </message>
    <message>
        <source>Max. bemenő feszültség:</source>
        <translation>Max. input voltage:</translation>
    </message>
    <message>
        <source>Analóg bemenet neve:</source>
        <translation>Analog input name:</translation>
    </message>
    <message>
        <source>Pulzusszámláló bemenet neve:</source>
        <translation>Pulse counter input name:</translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztás:</source>
        <translation>Analog input high alarm:</translation>
    </message>
    <message>
        <source>Analóg bemenet visszaállás:</source>
        <translation>Analog input reset:</translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztás:</source>
        <translation>Analog input low alarm:</translation>
    </message>
    <message>
        <source>Pulzusszámláló túlcsordulás riasztás:</source>
        <translation>Pulse counter overflow alarm:</translation>
    </message>
    <message>
        <source>Pulzusszámláló maximális értéke:</source>
        <translation>Pulse counter maximum value:</translation>
    </message>
    <message>
        <source>Pulzusszámláló törlés parancs:</source>
        <translation>Pulse counter reset command:</translation>
    </message>
    <message>
        <source>Bemenetek</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>1-es bemenet neve:</source>
        <translation>Input 1 name:</translation>
    </message>
    <message>
        <source>2-es bemenet neve:</source>
        <translation>Input 2 name:</translation>
    </message>
    <message>
        <source>3-as bemenet neve:</source>
        <translation>Input 3 name:</translation>
    </message>
    <message>
        <source>4-es bemenet neve:</source>
        <translation>Input 4 name:</translation>
    </message>
    <message>
        <source>1-es bemenet bekapcs.:</source>
        <translation>Input 1 on:</translation>
    </message>
    <message>
        <source>2-es bemenet bekapcs.:</source>
        <translation>Input 2 on:</translation>
    </message>
    <message>
        <source>3-as bemenet bekapcs.:</source>
        <translation>Input 3 on:</translation>
    </message>
    <message>
        <source>4-es bemenet bekapcs.:</source>
        <translation>Input 4 on:</translation>
    </message>
    <message>
        <source>1-es bemenet kikapcs.:</source>
        <translation>Input 1 off:</translation>
    </message>
    <message>
        <source>2-es bemenet kikapcs.:</source>
        <translation>Input 2 off:</translation>
    </message>
    <message>
        <source>3-as bemenet kikapcs.:</source>
        <translation>Input 3 off:</translation>
    </message>
    <message>
        <source>4-es bemenet kikapcs.:</source>
        <translation>Input 4 off:</translation>
    </message>
    <message>
        <source>Kimenetek</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>1-es kimenet bekapcsoláskor:</source>
        <translation>Output 1 switched on:</translation>
    </message>
    <message>
        <source>2-es kimenet bekapcsoláskor:</source>
        <translation>Output 2 switched on:</translation>
    </message>
    <message>
        <source>3-as kimenet bekapcsoláskor:</source>
        <translation>Output 3 switched on:</translation>
    </message>
    <message>
        <source>4-es kimenet bekapcsoláskor:</source>
        <translation>Output 4 switched on:</translation>
    </message>
    <message>
        <source>1-es kimenet kikapcsoláskor:</source>
        <translation>Output 1 switched off:</translation>
    </message>
    <message>
        <source>2-es kimenet kikapcsoláskor:</source>
        <translation>Output 2 switched off:</translation>
    </message>
    <message>
        <source>3-as kimenet kikapcsoláskor:</source>
        <translation>Output 3 switched off:</translation>
    </message>
    <message>
        <source>4-es kimenet kikapcsoláskor:</source>
        <translation>Output 4 switched off:</translation>
    </message>
    <message>
        <source>Kimenetek rácsengetés hatására</source>
        <translation>Outputs when the module is rung</translation>
    </message>
    <message>
        <source>Monostabil       Bistabil</source>
        <extracomment>Two column headers over the output buttons, 106 px for both.</extracomment>
        <translation>Monostable     Bistable</translation>
    </message>
    <message>
        <source>1-es kimenet:</source>
        <translation>Output 1:</translation>
    </message>
    <message>
        <source>2-es kimenet:</source>
        <translation>Output 2:</translation>
    </message>
    <message>
        <source>3-as kimenet:</source>
        <translation>Output 3:</translation>
    </message>
    <message>
        <source>4-es kimenet:</source>
        <translation>Output 4:</translation>
    </message>
    <message>
        <source>Riasztások aktiválása</source>
        <translation>Arming alarms</translation>
    </message>
    <message>
        <source>Riasztások aktiválása parancs:</source>
        <translation>Arm alarms command:</translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása parancs:</source>
        <translation>Disarm alarms command:</translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Térerő</source>
        <extracomment>Signal strength, over its bar: 41 px.</extracomment>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Bemenet 1:</source>
        <translation>Input 1:</translation>
    </message>
    <message>
        <source>Bemenet 2:</source>
        <translation>Input 2:</translation>
    </message>
    <message>
        <source>Kimenet 1:</source>
        <translation>Output 1:</translation>
    </message>
    <message>
        <source>Kimenet 2:</source>
        <translation>Output 2:</translation>
    </message>
    <message>
        <source>Tápfeszültség:</source>
        <translation>Supply:</translation>
    </message>
    <message>
        <source>Állapot lekérdezése</source>
        <translation>Query status</translation>
    </message>
    <message>
        <source>Bemenet 3:</source>
        <translation>Input 3:</translation>
    </message>
    <message>
        <source>Bemenet 4:</source>
        <translation>Input 4:</translation>
    </message>
    <message>
        <source>Analóg bemenet:</source>
        <translation>Analog input:</translation>
    </message>
    <message>
        <source>Számláló értéke:</source>
        <translation>Counter value:</translation>
    </message>
    <message>
        <source>Kimenet 3:</source>
        <translation>Output 3:</translation>
    </message>
    <message>
        <source>Kimenet 4:</source>
        <translation>Output 4:</translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Betöltés az eszközbe</source>
        <translation>Download to device</translation>
    </message>
    <message>
        <source>Kiolvasás az eszközből</source>
        <translation>Read out from device</translation>
    </message>
    <message>
        <source>Betöltés ellenőrzése</source>
        <translation>Verify download</translation>
    </message>
    <message>
        <source>Eszköz csatlakoztatása</source>
        <translation>Connect device</translation>
    </message>
    <message>
        <source>Általános</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Digitális bemenetek</source>
        <translation>Digital inputs</translation>
    </message>
    <message>
        <source>Egyéni</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>form::StatusPanel</name>
    <message>
        <source>Várjon!...</source>
        <translation>Please wait!...</translation>
    </message>
    <message>
        <source>Lekérdezve: %1</source>
        <translation>Queried: %1</translation>
    </message>
    <message>
        <source>Lekérdezve: %1. Az értékek már nem a porton lévő modulé (másik modul csatlakozott, vagy egy sorozat más modulokat írt): kérdezze le újra az állapotot.</source>
        <translation>Queried: %1. The values no longer belong to the module on the port (another module was connected, or a series wrote other modules): query the status again.</translation>
    </message>
</context>
<context>
    <name>qv::Branding</name>
    <message>
        <source>© 2026 qvconfig fejlesztők &amp;nbsp;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</source>
        <extracomment>Rich text: keep the link as it is.</extracomment>
        <translation>© 2026 qvconfig developers &amp;nbsp;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Készítette: a qvconfig csapat</source>
        <translation>Made by the qvconfig team</translation>
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
        <translation>Usage: qvconfig [options] [file]
Configures Quorvel and Brastok GSM modules.

Options:
  -h, --help       Prints this help.
  -v, --version    Prints the program&apos;s version.
  --port &lt;name&gt;    Starts with this port instead of &quot;COM1&quot; (1200 bit/s), for
                   example ttyUSB0, COM3 or /dev/pts/3.
  --register &lt;connection&gt;
                   Also writes into the team&apos;s PostgreSQL register: a libpq
                   connection string (&quot;host=server dbname=qv user=technician&quot;)
                   or a service name (&quot;service=qv&quot;). Without a password: the
                   ~/.pgpass file or the service file provides it.
  --lang &lt;language&gt;
                   The program&apos;s language: hu (Hungarian) or en (English).
                   Without it, the one chosen in the menu, or the system&apos;s.

Arguments:
  file             Opens this configuration file (*.msw) after the first
                   successful identification.
</translation>
    </message>
    <message>
        <source>A --register után meg kell adni a nyilvántartás kapcsolatát.</source>
        <translation>--register must be followed by the register&apos;s connection.</translation>
    </message>
    <message>
        <source>A --lang után a program nyelve adható meg: hu vagy en.</source>
        <translation>--lang must be followed by the program&apos;s language: hu or en.</translation>
    </message>
    <message>
        <source>A --port után meg kell adni a port nevét.</source>
        <translation>--port must be followed by the name of the port.</translation>
    </message>
    <message>
        <source>Ismeretlen kapcsoló: %1%2</source>
        <translation>Unknown option: %1%2</translation>
    </message>
    <message>
        <source>Hibás parancssor: %1</source>
        <translation>Invalid command line: %1</translation>
    </message>
    <message>
        <source>Csak egy konfigurációs fájl adható meg (kapott: %1).</source>
        <translation>Only one configuration file may be given (got: %1).</translation>
    </message>
    <message>
        <source>A fájl neve üres.</source>
        <translation>The file name is empty.</translation>
    </message>
</context>
<context>
    <name>qv::Commands</name>
    <message>
        <source>A kiválasztott porton nem található csatlakoztatott eszköz.</source>
        <translation>No connected device was found on the selected port.</translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1)</source>
        <translation>Every input field must be filled in! (%1)</translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation>No differences.</translation>
    </message>
    <message>
        <source>Port: %1 (%2 bit/s)
Eszköz: %3
Típus: %4
</source>
        <translation>Port: %1 (%2 bit/s)
Device: %3
Type: %4
</translation>
    </message>
    <message>
        <source>be</source>
        <comment>output or input state</comment>
        <translation>on</translation>
    </message>
    <message>
        <source>ki</source>
        <comment>output or input state</comment>
        <translation>off</translation>
    </message>
    <message>
        <source>Eszköz: %1
</source>
        <translation>Device: %1
</translation>
    </message>
    <message>
        <source>Kimenetek: %1
</source>
        <translation>Outputs: %1
</translation>
    </message>
    <message>
        <source>Bemenetek: %1
</source>
        <translation>Inputs: %1
</translation>
    </message>
    <message>
        <source>Analóg bemenet: %1 V
</source>
        <translation>Analog input: %1 V
</translation>
    </message>
    <message>
        <source>Számláló: %1
</source>
        <translation>Counter: %1
</translation>
    </message>
    <message>
        <source>Tápfeszültség: %1
</source>
        <translation>Supply voltage: %1
</translation>
    </message>
    <message>
        <source>van</source>
        <comment>supply voltage</comment>
        <translation>present</translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>supply voltage</comment>
        <translation>absent</translation>
    </message>
    <message>
        <source>Térerő: %1
</source>
        <translation>Signal strength: %1
</translation>
    </message>
    <message>
        <source>Verzió: %1
</source>
        <translation>Version: %1
</translation>
    </message>
    <message>
        <source>A(z) %1 fájl mentése nem sikerült.
%2</source>
        <translation>The file %1 could not be saved.
%2</translation>
    </message>
    <message>
        <source>Sikeres kiolvasás: %1
</source>
        <translation>Read out: %1
</translation>
    </message>
    <message>
        <source>fájl</source>
        <extracomment>The two sides of the differences: &quot;3 eltérés (fájl / modul):&quot;.</extracomment>
        <translation>file</translation>
    </message>
    <message>
        <source>modul</source>
        <translation>module</translation>
    </message>
    <message>
        <source>Sikeres betöltés.</source>
        <translation>Download complete.</translation>
    </message>
    <message>
        <source>A modul mást tárol!</source>
        <translation>The module stores different values!</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrizve.</source>
        <translation>Download complete.
Verified.</translation>
    </message>
    <message>
        <source>elküldve</source>
        <extracomment>The two sides of the differences: what was sent and what the module stores.</extracomment>
        <translation>sent</translation>
    </message>
    <message>
        <source>A read parancs a -o FÁJL.msw kapcsolót várja.</source>
        <translation>The read command expects the option -o FILE.msw.</translation>
    </message>
    <message>
        <source>A --verify kapcsoló csak a write parancshoz tartozik.</source>
        <translation>The --verify option belongs to the write command only.</translation>
    </message>
    <message>
        <source>%1
A modul mostani konfigurációja nem került a nyilvántartásba; a betöltés elmarad.</source>
        <translation>%1
The module&apos;s current configuration was not saved in the register; the download is skipped.</translation>
    </message>
    <message>
        <source>Betöltés... %1%</source>
        <translation>Downloading... %1%</translation>
    </message>
    <message>
        <source>Kiolvasás...</source>
        <translation>Reading out...</translation>
    </message>
    <message numerus="yes">
        <source>%n eltérés (%1 / %2):</source>
        <translation>
            <numerusform>%n difference (%1 / %2):</numerusform>
            <numerusform>%n differences (%1 / %2):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A(z) %1 parancs %n fájlnevet vár (kapott: %2).

%3</source>
        <translation>
            <numerusform>The %1 command expects %n file name (got: %2).

%3</numerusform>
            <numerusform>The %1 command expects %n file names (got: %2).

%3</numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) %1 parancs nem használ portot.</source>
        <translation>The %1 command uses no port.</translation>
    </message>
    <message>
        <source>A sheet parancs a -o LAP.pdf kapcsolót várja.</source>
        <translation>The sheet command needs the -o SHEET.pdf option.</translation>
    </message>
    <message>
        <source>A -o kapcsoló csak a read és a sheet parancshoz tartozik.</source>
        <translation>The -o option belongs to the read and sheet commands only.</translation>
    </message>
    <message>
        <source>A --with-pin és a --site kapcsoló csak a sheet parancshoz tartozik.</source>
        <translation>The --with-pin and --site options belong to the sheet command only.</translation>
    </message>
    <message>
        <source>A --watch kapcsoló csak a status parancshoz tartozik.</source>
        <translation>The --watch option belongs to the status command only.</translation>
    </message>
    <message>
        <source>A --count és a --csv kapcsoló a status --watch parancshoz tartozik.</source>
        <translation>The --count and --csv options belong to status --watch.</translation>
    </message>
    <message>
        <source>A --watch után a lekérdezések közti idő adható meg másodpercben, 0,5 és 3600 között (kapott: %1).</source>
        <translation>--watch takes the time between queries in seconds, from 0.5 to 3600 (given: %1).</translation>
    </message>
    <message>
        <source>A --count után a minták száma adható meg (kapott: %1).</source>
        <translation>--count takes the number of samples (given: %1).</translation>
    </message>
    <message>
        <source>A --csv után meg kell adni a fájl nevét.</source>
        <translation>The --csv option needs a file name.</translation>
    </message>
    <message numerus="yes">
        <source>A helyi nyilvántartásban %n bejegyzés vár a csapat nyilvántartásába küldésre.</source>
        <translation>
            <numerusform>%n entry waits in the local register to be sent to the team register.</numerusform>
            <numerusform>%n entries wait in the local register to be sent to the team register.</numerusform>
        </translation>
    </message>
    <message>
        <source>A modul azonosítása.</source>
        <extracomment>The commands&apos; --help, a command&apos;s line: its arguments (option names stay; FÁJL, A, B, MP, ALAP, EGYSÉGEK, LAP, SZÖVEG are placeholders to translate) and what it does. The usage puts the description in column 28.</extracomment>
        <translation>Identifies the module.</translation>
    </message>
    <message>
        <source>-o FÁJL.msw</source>
        <translation>-o FILE.msw</translation>
    </message>
    <message>
        <source>A modul konfigurációjának kiolvasása fájlba.</source>
        <translation>Reads the module&apos;s configuration out into a file.</translation>
    </message>
    <message>
        <source>FÁJL.msw [--verify]</source>
        <translation>FILE.msw [--verify]</translation>
    </message>
    <message>
        <source>A fájl betöltése a modulba (--verify: visszaolvasással).</source>
        <translation>Downloads the file into the module (--verify: reads it back).</translation>
    </message>
    <message>
        <source>FÁJL.msw</source>
        <translation>FILE.msw</translation>
    </message>
    <message>
        <source>A fájl összehasonlítása a modul konfigurációjával.</source>
        <translation>Compares the file with the module&apos;s configuration.</translation>
    </message>
    <message>
        <source>A.msw B.msw</source>
        <translation>A.msw B.msw</translation>
    </message>
    <message>
        <source>Két fájl összehasonlítása (modul nélkül).</source>
        <translation>Compares two files (no module needed).</translation>
    </message>
    <message>
        <source>A modul állapotának lekérdezése.</source>
        <translation>Queries the module&apos;s status.</translation>
    </message>
    <message>
        <source>--watch MP [--count N] [--csv FÁJL]</source>
        <translation>--watch SECONDS [--count N] [--csv FILE]</translation>
    </message>
    <message>
        <source>Az állapot figyelése MP másodpercenként (Ctrl+C: vége,
összesítéssel); --csv: napló CSV-fájlba.</source>
        <translation>Watches the status every SECONDS (Ctrl+C ends it with a
summary); --csv: a log as a CSV file.</translation>
    </message>
    <message>
        <source>Sorozatprogramozás: egymás után csatlakoztatott modulok,
mindegyik az alapfájl értékeivel és a táblázat saját sorával.</source>
        <translation>Series programming: modules connected one after the other,
each with the base file&apos;s values and its own row of the table.</translation>
    </message>
    <message>
        <source>FÁJL.msw -o LAP.pdf [--with-pin] [--site SZÖVEG]</source>
        <translation>FILE.msw -o SHEET.pdf [--with-pin] [--site TEXT]</translation>
    </message>
    <message>
        <source>Ügyféllap a fájl konfigurációjáról, PDF-ben (modul nélkül).</source>
        <translation>A customer sheet of the file&apos;s configuration, as PDF (no module).</translation>
    </message>
    <message>
        <source>--port &lt;név&gt;</source>
        <translation>--port &lt;name&gt;</translation>
    </message>
    <message>
        <source>A modul portja (alapértelmezés: COM1).</source>
        <translation>The module&apos;s port (default: COM1).</translation>
    </message>
    <message>
        <source>--baud &lt;bit/s&gt;</source>
        <translation>--baud &lt;bit/s&gt;</translation>
    </message>
    <message>
        <source>Az azonosítás és a kiolvasás sebessége (alapértelmezés: 1200).</source>
        <translation>Speed of the identification and the read-out (default: 1200).</translation>
    </message>
    <message>
        <source>--json</source>
        <translation>--json</translation>
    </message>
    <message>
        <source>Gépi feldolgozásra szánt JSON kimenet.</source>
        <translation>JSON output for machine processing.</translation>
    </message>
    <message>
        <source>--register &lt;kapcsolat&gt;</source>
        <translation>--register &lt;connection&gt;</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása is (lásd qvconfig --help).</source>
        <translation>The team&apos;s register as well (see qvconfig --help).</translation>
    </message>
    <message>
        <source>--lang &lt;nyelv&gt;</source>
        <translation>--lang &lt;language&gt;</translation>
    </message>
    <message>
        <source>A kiírások nyelve: hu vagy en (lásd qvconfig --help).</source>
        <translation>The language of the output: hu or en (see qvconfig --help).</translation>
    </message>
    <message>
        <source>--model qv5|qv3|brk2</source>
        <translation>--model qv5|qv3|brk2</translation>
    </message>
    <message>
        <source>series: a sorozat modultípusa (alapértelmezés: ahová az
első sora került, különben az első modulé).</source>
        <translation>series: the series&apos; module model (default: the one its first
row went into, else the first module&apos;s).</translation>
    </message>
    <message>
        <source>--skip-invalid</source>
        <translation>--skip-invalid</translation>
    </message>
    <message>
        <source>series: a hibás sorok kihagyása (nélküle semmi sem íródik).</source>
        <translation>series: skip the invalid rows (without it nothing is written).</translation>
    </message>
    <message>
        <source>--read-first</source>
        <translation>--read-first</translation>
    </message>
    <message>
        <source>series: minden modul kiolvasása betöltés előtt (mentésként a
nyilvántartásba); a sorozat egy sorát már tároló modul nem
kap újat.</source>
        <translation>series: read each module out before its download (into the
register, as a backup); a module that already holds a row of
the series gets no other.</translation>
    </message>
    <message>
        <source>--results &lt;fájl&gt;</source>
        <translation>--results &lt;file&gt;</translation>
    </message>
    <message>
        <source>series: az eredményfájl (alapértelmezés: EGYSÉGEK-eredmeny.csv).</source>
        <translation>series: the results file (default: UNITS-eredmeny.csv).</translation>
    </message>
    <message>
        <source>--with-pin</source>
        <translation>--with-pin</translation>
    </message>
    <message>
        <source>sheet: a modul PIN-kódja is a lapra kerül.</source>
        <translation>sheet: the module&apos;s PIN goes on the sheet as well.</translation>
    </message>
    <message>
        <source>--site &lt;szöveg&gt;</source>
        <translation>--site &lt;text&gt;</translation>
    </message>
    <message>
        <source>sheet: a helyszín, ahogy a lapon áll.</source>
        <translation>sheet: the site as the sheet gives it.</translation>
    </message>
    <message>
        <source>Használat: qvconfig &lt;parancs&gt; [kapcsolók]
Parancsok:
</source>
        <extracomment>The commands&apos; --help: its first lines.</extracomment>
        <translation>Usage: qvconfig &lt;command&gt; [options]
Commands:
</translation>
    </message>
    <message>
        <source>Kapcsolók:
</source>
        <extracomment>The commands&apos; --help: the heading of the options.</extracomment>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>Kilépési kód: 0 kész, 1 hibás parancssor, 2 a port nem használható, 3 nincs modul vagy
nem kompatibilis, 4 sikertelen adatcsere (series: sikertelen egység vagy leállítva;
sheet: a PDF nem írható; status --watch: hiányzó minta vagy a napló nem írható),
5 eltérések.
</source>
        <extracomment>The commands&apos; --help: the exit codes (the numbers stay).</extracomment>
        <translation>Exit status: 0 done, 1 invalid command line, 2 port unusable, 3 no module or not
compatible, 4 exchange failed (series: a unit failed or the series was stopped;
sheet: the PDF cannot be written; status --watch: a sample was missing or the log
cannot be written), 5 differences.
</translation>
    </message>
    <message>
        <source>A(z) %1 parancs Qt Gui nélkül nem futtatható.</source>
        <translation>The %1 command cannot run without Qt Gui.</translation>
    </message>
    <message>
        <source>EGYSÉGEK.csv</source>
        <translation>UNITS.csv</translation>
    </message>
    <message>
        <source>A táblázat sorozatai: kész, sikertelen, folyamatban (melyik
gépen), hátralévő sorok, egység óránként.</source>
        <translation>The table&apos;s series: rows done, failed, in progress (on which
bench), left, units per hour.</translation>
    </message>
    <message>
        <source>--new-batch</source>
        <translation>--new-batch</translation>
    </message>
    <message>
        <source>series: ugyanaz a táblázat új kötegként, elölről (nem folytatja
a korábbit).</source>
        <translation>series: the same table as a new batch, from the start (not
resuming the earlier one).</translation>
    </message>
    <message>
        <source>--claim-lease &lt;mp&gt;</source>
        <translation>--claim-lease &lt;s&gt;</translation>
    </message>
    <message>
        <source>series: csapat nyilvántartásával ennyi ideig marad egy sor
foglalása e gépé megújítás nélkül (alapértelmezés: 60).</source>
        <translation>series: with a team register, how long a row&apos;s claim stays this
bench&apos;s without being renewed (default: 60).</translation>
    </message>
    <message>
        <source>Parancsok (egy parancs súgója: qvconfig help PARANCS):
</source>
        <extracomment>The window&apos;s --help: the heading of the commands&apos; list (PARANCS is a placeholder).</extracomment>
        <translation>Commands (one command&apos;s help: qvconfig help COMMAND):
</translation>
    </message>
    <message>
        <source>Ismeretlen parancs: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>(erre gondolt: %1?)</source>
        <translation>(did you mean %1?)</translation>
    </message>
    <message>
        <source>A parancsok listája: qvconfig --help</source>
        <translation>The list of commands: qvconfig --help</translation>
    </message>
    <message>
        <source>Hibás sebesség: %1 (választható: %2 bit/s).</source>
        <translation>Invalid speed: %1 (available: %2 bit/s).</translation>
    </message>
    <message>
        <source>(%1, %2 bit/s)</source>
        <translation>(%1, %2 bit/s)</translation>
    </message>
    <message>
        <source>ALAP.msw EGYSÉGEK.csv [--verify] [--model qv5|qv3|brk2] [--skip-invalid]
[--read-first] [--results FÁJL] [--new-batch] [--port A --port B ...]
[--claim-lease MP] [--retry-any-lane]</source>
        <translation>BASE.msw UNITS.csv [--verify] [--model qv5|qv3|brk2] [--skip-invalid]
[--read-first] [--results FILE] [--new-batch] [--port A --port B ...]
[--claim-lease S] [--retry-any-lane]</translation>
    </message>
    <message>
        <source>--retry-any-lane</source>
        <translation>--retry-any-lane</translation>
    </message>
    <message>
        <source>series: a sikertelen egység sora bármelyik port következő
moduljára kerül (nélküle ugyanannak a portnak a
következő moduljára).</source>
        <translation>series: a failed unit&apos;s row goes to the next module of any
port (without it, to the next module of the same port).</translation>
    </message>
</context>
<context>
    <name>qv::ConfigFile</name>
    <message>
        <source>A(z) %1 fájl nem olvasható.
%2</source>
        <translation>The file %1 cannot be read.
%2</translation>
    </message>
    <message>
        <source>A kiválasztott fájl nem létezik.</source>
        <translation>The selected file does not exist.</translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem olvasható.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>A(z) %1 nem konfigurációs fájl: túl nagy.</source>
        <translation>%1 is not a configuration file: it is too large.</translation>
    </message>
    <message>
        <source>A kiválasztott file &quot;%1&quot; nem nyitható meg a jelenlegi verzióval.
Kérem töltse le a legújabb verziót a &apos;%2&apos; oldalról,
majd töltse be a &apos;defval_qv.dll&apos; fájlt!</source>
        <translation>The selected file &quot;%1&quot; cannot be opened with this version.
Please download the latest version from &apos;%2&apos;,
then load the file &apos;defval_qv.dll&apos;!</translation>
    </message>
    <message>
        <source>A(z) %1 fájl szintaxisa hibás.</source>
        <translation>The file %1 has a syntax error.</translation>
    </message>
</context>
<context>
    <name>qv::Exchange</name>
    <message numerus="yes">
        <source>A modulban %n érték tér el.</source>
        <translation>
            <numerusform>%n value differs in the module.</numerusform>
            <numerusform>%n values differ in the module.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qv::FieldCaption</name>
    <message>
        <source>%1. telefonszám</source>
        <translation>Telephone number %1</translation>
    </message>
    <message>
        <source>SMS központ száma</source>
        <translation>SMS centre number</translation>
    </message>
    <message>
        <source>Modul PIN-kódja</source>
        <translation>Module PIN code</translation>
    </message>
    <message>
        <source>Modul azonosító száma</source>
        <translation>Module ID number</translation>
    </message>
    <message>
        <source>Modul neve</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>Bemenet visszaállás</source>
        <translation>Input reset</translation>
    </message>
    <message>
        <source>Relé meghúzási idő</source>
        <translation>Relay on time</translation>
    </message>
    <message>
        <source>Max. sms-ek száma 2 óra alatt</source>
        <translation>Max. number of SMS in 2 hours</translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztási értéke</source>
        <translation>Analog input low alarm level</translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztási értéke</source>
        <translation>Analog input high alarm level</translation>
    </message>
    <message>
        <source>Pulzusszámláló maximális értéke</source>
        <translation>Pulse counter maximum value</translation>
    </message>
    <message>
        <source>Analóg bemenet alacsony riasztás</source>
        <translation>Analog input low alarm</translation>
    </message>
    <message>
        <source>Analóg bemenet magas riasztás</source>
        <translation>Analog input high alarm</translation>
    </message>
    <message>
        <source>Analóg bemenet visszaállás</source>
        <translation>Analog input reset</translation>
    </message>
    <message>
        <source>Pulzusszámláló túlcsordulás riasztás</source>
        <translation>Pulse counter overflow alarm</translation>
    </message>
    <message>
        <source>Analóg bemenet neve</source>
        <translation>Analog input name</translation>
    </message>
    <message>
        <source>Pulzusszámláló bemenet neve</source>
        <translation>Pulse counter input name</translation>
    </message>
    <message>
        <source>1-es bemenet neve</source>
        <translation>Input 1 name</translation>
    </message>
    <message>
        <source>2-es bemenet neve</source>
        <translation>Input 2 name</translation>
    </message>
    <message>
        <source>3-as bemenet neve</source>
        <translation>Input 3 name</translation>
    </message>
    <message>
        <source>4-es bemenet neve</source>
        <translation>Input 4 name</translation>
    </message>
    <message>
        <source>1-es bemenet bekapcs.</source>
        <translation>Input 1 on</translation>
    </message>
    <message>
        <source>2-es bemenet bekapcs.</source>
        <translation>Input 2 on</translation>
    </message>
    <message>
        <source>3-as bemenet bekapcs.</source>
        <translation>Input 3 on</translation>
    </message>
    <message>
        <source>4-es bemenet bekapcs.</source>
        <translation>Input 4 on</translation>
    </message>
    <message>
        <source>1-es bemenet kikapcs.</source>
        <translation>Input 1 off</translation>
    </message>
    <message>
        <source>2-es bemenet kikapcs.</source>
        <translation>Input 2 off</translation>
    </message>
    <message>
        <source>3-as bemenet kikapcs.</source>
        <translation>Input 3 off</translation>
    </message>
    <message>
        <source>4-es bemenet kikapcs.</source>
        <translation>Input 4 off</translation>
    </message>
    <message>
        <source>1-es kimenet bekapcsoláskor</source>
        <translation>Output 1 switched on</translation>
    </message>
    <message>
        <source>2-es kimenet bekapcsoláskor</source>
        <translation>Output 2 switched on</translation>
    </message>
    <message>
        <source>3-as kimenet bekapcsoláskor</source>
        <translation>Output 3 switched on</translation>
    </message>
    <message>
        <source>4-es kimenet bekapcsoláskor</source>
        <translation>Output 4 switched on</translation>
    </message>
    <message>
        <source>1-es kimenet kikapcsoláskor</source>
        <translation>Output 1 switched off</translation>
    </message>
    <message>
        <source>2-es kimenet kikapcsoláskor</source>
        <translation>Output 2 switched off</translation>
    </message>
    <message>
        <source>3-as kimenet kikapcsoláskor</source>
        <translation>Output 3 switched off</translation>
    </message>
    <message>
        <source>4-es kimenet kikapcsoláskor</source>
        <translation>Output 4 switched off</translation>
    </message>
    <message>
        <source>Pulzusszámláló törlés parancs</source>
        <translation>Pulse counter reset command</translation>
    </message>
    <message>
        <source>Riasztások aktiválása parancs</source>
        <translation>Arm alarms command</translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása parancs</source>
        <translation>Disarm alarms command</translation>
    </message>
    <message>
        <source>(üres)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>no output</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <translation>output %1</translation>
    </message>
    <message>
        <source>1. bemenet</source>
        <translation>input 1</translation>
    </message>
    <message>
        <source>2. bemenet</source>
        <translation>input 2</translation>
    </message>
    <message>
        <source>3. bemenet</source>
        <translation>input 3</translation>
    </message>
    <message>
        <source>4. bemenet</source>
        <translation>input 4</translation>
    </message>
    <message>
        <source>analóg</source>
        <translation>analog</translation>
    </message>
    <message>
        <source>számláló</source>
        <translation>counter</translation>
    </message>
    <message>
        <source>hívás</source>
        <translation>call</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>no rights</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>1-es kimenet rácsengetéskor</source>
        <translation>Output 1 when rung</translation>
    </message>
    <message>
        <source>2-es kimenet rácsengetéskor</source>
        <translation>Output 2 when rung</translation>
    </message>
    <message>
        <source>3-as kimenet rácsengetéskor</source>
        <translation>Output 3 when rung</translation>
    </message>
    <message>
        <source>4-es kimenet rácsengetéskor</source>
        <translation>Output 4 when rung</translation>
    </message>
    <message>
        <source>Konfiguráció</source>
        <translation>Configuration</translation>
    </message>
    <message numerus="yes">
        <source>%n mező</source>
        <translation>
            <numerusform>%n field</numerusform>
            <numerusform>%n fields</numerusform>
        </translation>
    </message>
    <message>
        <source>Monostabil</source>
        <translation>Monostable</translation>
    </message>
    <message>
        <source>Bistabil</source>
        <translation>Bistable</translation>
    </message>
    <message>
        <source>Max. bemenő feszültség</source>
        <translation>Max. input voltage</translation>
    </message>
    <message>
        <source>Fenntartott mező (%1.)</source>
        <translation>Reserved field (%1)</translation>
    </message>
    <message>
        <source>%1. telefonszám: vezérelt kimenet</source>
        <translation>Telephone number %1: switched output</translation>
    </message>
    <message>
        <source>%1. telefonszám: jogok</source>
        <translation>Telephone number %1: rights</translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; mező nem tartalmazhat &quot;%2&quot; karaktert!</source>
        <translation>The field &quot;%1&quot; must not contain the character &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>A(z) &quot;%1&quot; mező nem tartalmazhat sortörést!</source>
        <translation>The field &quot;%1&quot; must not contain a line break!</translation>
    </message>
</context>
<context>
    <name>qv::FieldHints</name>
    <message numerus="yes">
        <source>Csak számjegyek és szóköz, legfeljebb %n karakter.</source>
        <translation>
            <numerusform>Digits and spaces only, at most %n character.</numerusform>
            <numerusform>Digits and spaces only, at most %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Csak számjegyek, szóköz és „+”, legfeljebb %n karakter.</source>
        <translation>
            <numerusform>Digits, spaces and &quot;+&quot; only, at most %n character.</numerusform>
            <numerusform>Digits, spaces and &quot;+&quot; only, at most %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Csak ékezet nélküli betűk, számjegyek és jelek, legfeljebb %n karakter.</source>
        <translation>
            <numerusform>Letters without accents, digits and signs only, at most %n character.</numerusform>
            <numerusform>Letters without accents, digits and signs only, at most %n characters.</numerusform>
        </translation>
    </message>
    <message>
        <source>A magas riasztási szint egész voltjai.</source>
        <translation>The whole volts of the high alarm level.</translation>
    </message>
    <message>
        <source>A magas riasztási szint tized voltja.</source>
        <translation>The tenth of a volt of the high alarm level.</translation>
    </message>
    <message>
        <source>Az alacsony riasztási szint egész voltjai.</source>
        <translation>The whole volts of the low alarm level.</translation>
    </message>
    <message>
        <source>Az alacsony riasztási szint tized voltja.</source>
        <translation>The tenth of a volt of the low alarm level.</translation>
    </message>
    <message>
        <source>A szint legfeljebb %1 a „%2”, %3 a „%4” tartományban.</source>
        <translation>The level is at most %1 in the &quot;%2&quot; range, %3 in the &quot;%4&quot; range.</translation>
    </message>
    <message>
        <source>Nagyobbnak kell lennie az alacsony szintnél.</source>
        <translation>It must be higher than the low level.</translation>
    </message>
    <message>
        <source>Kisebbnek kell lennie a magas szintnél.</source>
        <translation>It must be lower than the high level.</translation>
    </message>
    <message>
        <source>Rögzített előtag: „%1”.</source>
        <translation>Fixed prefix: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Értéke %1, vagy üres.</source>
        <extracomment>%1 lists the values the field takes, joined by &quot; vagy &quot; (&quot;or&quot;).</extracomment>
        <translation>Its value is %1, or empty.</translation>
    </message>
    <message>
        <source> vagy </source>
        <comment>joins the values of a field</comment>
        <translation> or </translation>
    </message>
    <message>
        <source>Értéke %1–%2.</source>
        <translation>Its value is %1–%2.</translation>
    </message>
    <message numerus="yes">
        <source>Balról nullákkal %n jegyűre egészül ki.</source>
        <translation>
            <numerusform>Padded with zeros on the left to %n digit.</numerusform>
            <numerusform>Padded with zeros on the left to %n digits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Csak az „%1” szolgáltatónál írható át.</source>
        <translation>Can only be changed with the &quot;%1&quot; provider.</translation>
    </message>
    <message>
        <source>az 1. bemenet riasztása</source>
        <translation>alarm of input 1</translation>
    </message>
    <message>
        <source>a %1. bemenet riasztása</source>
        <translation>alarm of input %1</translation>
    </message>
    <message>
        <source>az analóg bemenet riasztása</source>
        <translation>alarm of the analog input</translation>
    </message>
    <message>
        <source>a pulzusszámláló riasztása</source>
        <translation>alarm of the pulse counter</translation>
    </message>
    <message>
        <source>%1. telefonszám: értesítés hívással
Csak akkor jelölhető, ha a szám legalább egy riasztást kap.</source>
        <translation>Telephone number %1: notified by a call
Can only be ticked when the number receives at least one alarm.</translation>
    </message>
    <message>
        <source>%1. telefonszám: értesítés SMS-ben
Csak akkor jelölhető, ha a szám legalább egy riasztást kap.</source>
        <translation>Telephone number %1: notified by SMS
Can only be ticked when the number receives at least one alarm.</translation>
    </message>
    <message>
        <source>%1. telefonszám: %2</source>
        <extracomment>%1 is the number of the telephone entry, %2 what its check box stands for.</extracomment>
        <translation>Telephone number %1: %2</translation>
    </message>
</context>
<context>
    <name>qv::FieldRules</name>
    <message>
        <source>Beviteli hiba</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Csak számok adhatóak meg!</source>
        <translation>Only numbers may be entered!</translation>
    </message>
    <message>
        <source>Csak valós telefonszám adható meg!</source>
        <translation>Only a valid telephone number may be entered!</translation>
    </message>
    <message>
        <source>Csak valós telefonszámok adhatóak meg!</source>
        <translation>Only valid telephone numbers may be entered!</translation>
    </message>
    <message>
        <source>Input error</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Az érték 0 vagy 1 lehet.</source>
        <translation>The value may be 0 or 1.</translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ékezetek nem használhatóak!</source>
        <translation>Accented letters cannot be used!</translation>
    </message>
    <message>
        <source>Az érték maximum %1.0 V lehet!</source>
        <translation>The value may be at most %1.0 V!</translation>
    </message>
    <message>
        <source>A magas riasztási érték nem lehet kisebb, mint az alacsony érték!</source>
        <translation>The high alarm level cannot be lower than the low level!</translation>
    </message>
</context>
<context>
    <name>qv::IdentifyModule</name>
    <message>
        <source>A kiválasztott port nem nyitható meg.</source>
        <translation>The selected port cannot be opened.</translation>
    </message>
    <message>
        <source>A kiválasztott porton nem található csatlakoztatott eszköz.</source>
        <translation>No connected device was found on the selected port.</translation>
    </message>
    <message>
        <source>A csatlakoztatott eszköz nem kompatibilis a jelenlegi szoftververzióval.
Kérem töltse le a legújabb verziót a &quot;%1&quot; oldalról!</source>
        <translation>The connected device is not compatible with this software version.
Please download the latest version from &quot;%1&quot;!</translation>
    </message>
</context>
<context>
    <name>qv::Messages</name>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nem mentett módosítások</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Az űrlapon olyan módosítások vannak, amelyek sem fájlba, sem az eszközbe nem kerültek.
Menti őket, mielőtt folytatja?</source>
        <translation>The form has changes that were saved neither to a file nor into the device.
Save them before you go on?</translation>
    </message>
    <message>
        <source>Mentés</source>
        <comment>button</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Elvetés</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 már létezik.
Szeretné lecserélni?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>qv::OpenAdvice</name>
    <message>
        <source>ismeretlen hiba</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>A(z) %1 portot egy elavult zárolófájl tartja foglaltként: %2 (az azt létrehozó folyamat, PID %3, már nem fut).</source>
        <translation>The port %1 is kept busy by a stale lock file: %2 (the process that created it, PID %3, is no longer running).</translation>
    </message>
    <message>
        <source>A(z) %1 portot egy elavult zárolófájl tartja foglaltként: %2.</source>
        <translation>The port %1 is kept busy by a stale lock file: %2.</translation>
    </message>
    <message>
        <source>A(z) %1 portot a(z) %2 zárolófájl tartja foglaltként, de az abban megnevezett folyamat (PID %3) nem használja a portot.</source>
        <translation>The port %1 is kept busy by the lock file %2, but the process it names (PID %3) does not use the port.</translation>
    </message>
    <message>
        <source>A(z) %1 portot a(z) %2 fájl tartja foglaltként, amely nem szabályos zárolófájl (például csővezeték vagy hivatkozás).</source>
        <translation>The port %1 is kept busy by the file %2, which is not a regular lock file (for example a pipe or a link).</translation>
    </message>
    <message>
        <source>foglalt vagy nincs hozzáférés</source>
        <translation>busy or no access</translation>
    </message>
    <message>
        <source>a rendszer megtagadta a hozzáférést</source>
        <translation>access denied by the system</translation>
    </message>
    <message>
        <source>nincs jogosultság (&quot;%1&quot; csoport)</source>
        <translation>no permission (&quot;%1&quot; group)</translation>
    </message>
    <message>
        <source>nincs jogosultság</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>nincs jogosultság (csak rendszergazda)</source>
        <translation>no permission (administrator only)</translation>
    </message>
    <message>
        <source>foglalt: elavult zárolófájl</source>
        <translation>busy: stale lock file</translation>
    </message>
    <message>
        <source>foglalt: idegen zárolófájl</source>
        <translation>busy: foreign lock file</translation>
    </message>
    <message>
        <source>foglalt: hibás zárolófájl</source>
        <translation>busy: invalid lock file</translation>
    </message>
    <message>
        <source>foglalt: egy másik program használja</source>
        <translation>busy: used by another program</translation>
    </message>
    <message>
        <source>foglalt: %1</source>
        <translation>busy: %1</translation>
    </message>
    <message>
        <source>nincs megadva</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>nem található</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>nem nyitható meg: %1</source>
        <translation>cannot be opened: %1</translation>
    </message>
    <message>
        <source>Zárja be a portot használó programot, majd próbálja újra.</source>
        <translation>Close the program that uses the port, then try again.</translation>
    </message>
    <message>
        <source>Ezt nem a felhasználó jogosultságai okozzák, hanem a rendszer (például egy konténer vagy egy eszközöket tiltó csatolás): kérje a rendszergazdát, hogy engedélyezze az eszközt.</source>
        <translation>This is not caused by the user&apos;s permissions but by the system (for example a container or a mount that forbids devices): ask the administrator to allow the device.</translation>
    </message>
    <message>
        <source>A felhasználó már tagja a(z) &quot;%1&quot; csoportnak, de ez csak új bejelentkezés után érvényes: jelentkezzen ki, majd be újra.</source>
        <translation>The user is already a member of the &quot;%1&quot; group, but that takes effect only after a new login: log out, then log in again.</translation>
    </message>
    <message>
        <source>Adja hozzá a felhasználót a(z) &quot;%1&quot; csoporthoz (sudo usermod -aG %1 $USER), majd jelentkezzen be újra.</source>
        <translation>Add the user to the &quot;%1&quot; group (sudo usermod -aG %1 $USER), then log in again.</translation>
    </message>
    <message>
        <source>A portot csak rendszergazdai jogosultsággal lehet használni: kérje a rendszergazdát, hogy adjon hozzáférést.</source>
        <translation>The port can only be used with administrator rights: ask the administrator to grant access.</translation>
    </message>
    <message>
        <source>Törölje a zárolófájlt (%1), majd próbálja újra.</source>
        <translation>Delete the lock file (%1), then try again.</translation>
    </message>
    <message>
        <source>Válasszon portot az &quot;Eszköz csatlakoztatása&quot; gombbal.</source>
        <translation>Choose a port with the &quot;Connect device&quot; button.</translation>
    </message>
    <message>
        <source>Ellenőrizze, hogy az eszköz csatlakoztatva van-e, majd válassza ki újra a portot.</source>
        <translation>Check that the device is connected, then choose the port again.</translation>
    </message>
    <message>
        <source>Ellenőrizze az eszközt és a port beállítását.</source>
        <translation>Check the device and the port setting.</translation>
    </message>
    <message>
        <source>A(z) %1 port nem nyitható meg: egy másik program használja, vagy a hozzáférés nem engedélyezett (%2).</source>
        <translation>The port %1 cannot be opened: another program uses it, or access is not allowed (%2).</translation>
    </message>
    <message>
        <source>A rendszer megtagadta a(z) %1 port megnyitását, bár a fájl jogosultságai szerint a felhasználó használhatja (megpróbálva: megnyitás olvasásra és írásra – %2).</source>
        <translation>The system refused to open the port %1, although by the file&apos;s permissions the user may use it (tried: opening for reading and writing – %2).</translation>
    </message>
    <message>
        <source>Nincs jogosultság a(z) %1 port használatához.</source>
        <translation>No permission to use the port %1.</translation>
    </message>
    <message>
        <source>Nincs jogosultság a(z) %1 port használatához (a port a(z) &quot;%2&quot; csoporté).</source>
        <translation>No permission to use the port %1 (the port belongs to the &quot;%2&quot; group).</translation>
    </message>
    <message>
        <source>A(z) %1 portot egy másik program használja.</source>
        <translation>The port %1 is used by another program.</translation>
    </message>
    <message>
        <source>A(z) %1 portot egy másik program használja: %2.</source>
        <translation>The port %1 is used by another program: %2.</translation>
    </message>
    <message>
        <source>Nincs kiválasztva port.</source>
        <translation>No port is selected.</translation>
    </message>
    <message>
        <source>A(z) %1 port nem található.</source>
        <translation>The port %1 is not found.</translation>
    </message>
    <message>
        <source>A(z) %1 port nem nyitható meg: %2.</source>
        <translation>The port %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Nem használható portok:</source>
        <translation>Unusable ports:</translation>
    </message>
</context>
<context>
    <name>qv::Outcome</name>
    <message>
        <source>A válasz hosszabb bármely konfigurációnál (%1 bájt): nem a modul válaszolt, vagy zajos a vonal.</source>
        <translation>The reply is longer than any configuration (%1 bytes): it did not come from the module, or the line is noisy.</translation>
    </message>
    <message>
        <source>A modul nem válaszolt (%1 s csend).</source>
        <translation>The module did not answer (%1 s of silence).</translation>
    </message>
    <message numerus="yes">
        <source>%n bájt érkezett mezőelválasztó nélkül: nem konfiguráció, vagy más a beállított elválasztó.</source>
        <translation>
            <numerusform>%n byte arrived without a field separator: not a configuration, or the separator set is another.</numerusform>
            <numerusform>%n bytes arrived without a field separator: not a configuration, or the separator set is another.</numerusform>
        </translation>
    </message>
    <message>
        <source>A válasz megszakadt: %1 mező érkezett az 56 helyett, majd %2 s csend.</source>
        <translation>The reply broke off: %1 fields arrived instead of 56, then %2 s of silence.</translation>
    </message>
    <message>
        <source>%1 mező érkezett az 56 helyett.</source>
        <translation>%1 fields arrived instead of 56.</translation>
    </message>
    <message>
        <source>Kiolvasva: %1</source>
        <translation>Read out: %1</translation>
    </message>
</context>
<context>
    <name>qv::PortMessages</name>
    <message>
        <source>Nem válaszolt modul a(z) %1 porton (%2 bit/s).</source>
        <translation>No module answered on %1 at %2 bit/s.</translation>
    </message>
    <message>
        <source>A(z) %1 port ezen a gépen nem létezik.</source>
        <translation>The port %1 does not exist on this computer.</translation>
    </message>
    <message>
        <source>A(z) %1 ezen a gépen a(z) %2 port volna, de ilyen nincs.</source>
        <translation>%1 would be the port %2 on this computer, which does not exist.</translation>
    </message>
    <message>
        <source>A gépen nincs soros port: csatlakoztassa az adaptert.</source>
        <translation>This computer has no serial port: connect the adapter.</translation>
    </message>
    <message>
        <source>A gép soros portjai: %1.</source>
        <translation>The computer&apos;s serial ports: %1.</translation>
    </message>
</context>
<context>
    <name>qv::Program</name>
    <message>
        <source>A program egy része (%1) nem tölthető be: %2
Telepítse újra a programot.</source>
        <translation>A part of the program (%1) cannot be loaded: %2
Install the program again.</translation>
    </message>
</context>
<context>
    <name>qv::ReadOut</name>
    <message>
        <source>Sikertelen kiolvasás.
Nem lehet megnyitni a portot.</source>
        <translation>Read-out failed.
The port cannot be opened.</translation>
    </message>
    <message>
        <source>Sikertelen kiolvasás.
A port megszűnt a kiolvasás közben: az eszköz vagy az adapter lecsatlakozott. Csatlakoztassa újra, majd ismételje meg a kiolvasást.</source>
        <translation>Read-out failed.
The port disappeared during the read-out: the device or the adapter was disconnected. Connect it again, then repeat the read-out.</translation>
    </message>
    <message>
        <source>Sikertelen kiolvasás. (Ismeretlen formátum)</source>
        <translation>Read-out failed. (Unknown format)</translation>
    </message>
    <message>
        <source>A kiolvasást a felhasználó megszakította.</source>
        <translation>The read-out was cancelled by the user.</translation>
    </message>
    <message>
        <source>Kiolvasás...</source>
        <translation>Reading out...</translation>
    </message>
    <message>
        <source>Megszakítás</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qv::SerialPortError</name>
    <message>
        <source>az eszköz nem található</source>
        <translation>the device is not found</translation>
    </message>
    <message>
        <source>nincs hozzáférés, vagy egy másik program használja</source>
        <translation>no access, or another program uses it</translation>
    </message>
    <message>
        <source>a port már meg van nyitva</source>
        <translation>the port is already open</translation>
    </message>
    <message>
        <source>a port nincs megnyitva</source>
        <translation>the port is not open</translation>
    </message>
    <message>
        <source>írási hiba</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>olvasási hiba</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>az eszköz váratlanul eltűnt</source>
        <translation>the device disappeared unexpectedly</translation>
    </message>
    <message>
        <source>a rendszer nem támogatja a beállítást</source>
        <translation>the system does not support the setting</translation>
    </message>
    <message>
        <source>időtúllépés</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>ismeretlen hiba</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>qv::Sheet</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1. bemenet</source>
        <translation>input %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Modul neve</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>Modulazonosító</source>
        <translation>Module ID</translation>
    </message>
    <message>
        <source>Típus</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Helyszín</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Dátum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Technikus</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>A modul</source>
        <translation>The module</translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <translation>Telephone number</translation>
    </message>
    <message>
        <source>Hívása kapcsolja</source>
        <translation>A call switches</translation>
    </message>
    <message>
        <source>Riasztást kap</source>
        <translation>Alarms it receives</translation>
    </message>
    <message>
        <source>Értesítés</source>
        <translation>Notified by</translation>
    </message>
    <message>
        <source>analóg bemenet</source>
        <translation>analog input</translation>
    </message>
    <message>
        <source>számláló</source>
        <translation>pulse counter</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>hívás</source>
        <translation>call</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <translation>output %1</translation>
    </message>
    <message>
        <source>Jogosult telefonszámok</source>
        <translation>Authorised telephone numbers</translation>
    </message>
    <message>
        <source>SMS-parancsok</source>
        <translation>SMS commands</translation>
    </message>
    <message>
        <source>Kimenet</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Bekapcsolás</source>
        <translation>Switch on</translation>
    </message>
    <message>
        <source>Kikapcsolás</source>
        <translation>Switch off</translation>
    </message>
    <message>
        <source>Hívásra</source>
        <translation>On a call</translation>
    </message>
    <message>
        <source>bekapcsol a relé idejére</source>
        <translation>switches on for the relay on time</translation>
    </message>
    <message>
        <source>átvált (be ↔ ki)</source>
        <translation>toggles (on ↔ off)</translation>
    </message>
    <message>
        <source>Riasztások bekapcsolása</source>
        <translation>Arm the alarms</translation>
    </message>
    <message>
        <source>Riasztások kikapcsolása</source>
        <translation>Disarm the alarms</translation>
    </message>
    <message>
        <source>Számláló törlése</source>
        <translation>Clear the pulse counter</translation>
    </message>
    <message>
        <source>PIN-kód</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>nem szerepel ezen a lapon</source>
        <translation>not printed on this sheet</translation>
    </message>
    <message>
        <source>SMS-központ</source>
        <translation>SMS centre</translation>
    </message>
    <message>
        <source>Bemenetek</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Bemenet</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Név</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>SMS aktív állapotban</source>
        <translation>SMS when it goes active</translation>
    </message>
    <message>
        <source>SMS inaktív állapotban</source>
        <translation>SMS when it goes inactive</translation>
    </message>
    <message>
        <source>Analóg bemenet</source>
        <translation>Analog input</translation>
    </message>
    <message>
        <source>Mérési tartomány</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <source>0–30 V</source>
        <translation>0–30 V</translation>
    </message>
    <message>
        <source>0–15 V</source>
        <translation>0–15 V</translation>
    </message>
    <message>
        <source>Magas riasztási szint</source>
        <translation>High alarm level</translation>
    </message>
    <message>
        <source>SMS magas szintnél</source>
        <translation>SMS at the high level</translation>
    </message>
    <message>
        <source>Alacsony riasztási szint</source>
        <translation>Low alarm level</translation>
    </message>
    <message>
        <source>SMS alacsony szintnél</source>
        <translation>SMS at the low level</translation>
    </message>
    <message>
        <source>SMS visszaálláskor</source>
        <translation>SMS back to normal</translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation>Pulse counter</translation>
    </message>
    <message>
        <source>Legnagyobb érték</source>
        <translation>Maximum value</translation>
    </message>
    <message>
        <source>SMS túlcsorduláskor</source>
        <translation>SMS on overflow</translation>
    </message>
    <message>
        <source>Relé meghúzási ideje</source>
        <translation>Relay on time</translation>
    </message>
    <message numerus="yes">
        <source>%n másodperc</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>SMS-korlát</source>
        <translation>SMS limit</translation>
    </message>
    <message numerus="yes">
        <source>legfeljebb %n SMS 2 óra alatt</source>
        <translation>
            <numerusform>at most %n SMS in 2 hours</numerusform>
            <numerusform>at most %n SMS in 2 hours</numerusform>
        </translation>
    </message>
    <message>
        <source>Bemenet visszaállás</source>
        <translation>Input reset</translation>
    </message>
    <message>
        <source>bekapcsolva</source>
        <translation>on</translation>
    </message>
    <message>
        <source>kikapcsolva</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Működés</source>
        <translation>Behaviour</translation>
    </message>
    <message>
        <source>Ügyféllap</source>
        <translation>Customer sheet</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 – %2. oldal</source>
        <translation>%1 – page %2</translation>
    </message>
    <message numerus="yes">
        <source>bekapcsol %n másodpercre</source>
        <translation>
            <numerusform>switches on for %n second</numerusform>
            <numerusform>switches on for %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. kimenet</source>
        <comment>row heading</comment>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>%1. bemenet</source>
        <comment>row heading</comment>
        <translation>Input %1</translation>
    </message>
</context>
<context>
    <name>qv::SheetCommand</name>
    <message>
        <source>A -o nem a konfigurációs fájlt nevezheti meg (%1): az ügyféllap felülírná.</source>
        <translation>-o may not name the configuration file (%1): the sheet would overwrite it.</translation>
    </message>
    <message>
        <source>A --site szövege legfeljebb %1 karakter lehet.</source>
        <translation>The --site text may be at most %1 characters long.</translation>
    </message>
    <message>
        <source>A(z) %1 konfigurációjából nem készül ügyféllap.
%2</source>
        <translation>No customer sheet is made of the configuration in %1.
%2</translation>
    </message>
    <message>
        <source>Az ügyféllap nem menthető: %1
%2</source>
        <translation>The customer sheet cannot be saved: %1
%2</translation>
    </message>
    <message>
        <source>Ügyféllap: %1</source>
        <translation>Customer sheet: %1</translation>
    </message>
</context>
<context>
    <name>qv::StatusQuery</name>
    <message>
        <source>Sikertelen lekérdezés.
Ellenőrizze az eszközt!</source>
        <translation>Query failed.
Check the device!</translation>
    </message>
</context>
<context>
    <name>qv::WriteModule</name>
    <message>
        <source>Betöltés hiba.
Tipp: ellenőrizze az eszközt és a port beállítást.</source>
        <translation>Download error.
Tip: check the device and the port setting.</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés nem sikerült.
%1</source>
        <translation>Download complete.
Verification failed.
%1</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
A modul mást tárol!</source>
        <translation>Download complete.
The module stores different values!</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés megszakítva.</source>
        <translation>Download complete.
Verification cancelled.</translation>
    </message>
</context>
<context>
    <name>qv::app::gui::MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Hiba! A dokumentáció nem nyitható meg.</source>
        <translation>Error! The documentation cannot be opened.</translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Debug Mode: Quorvel-5</source>
        <translation>Debug Mode: Quorvel-5</translation>
    </message>
    <message>
        <source>Debug Mode: Quorvel-3</source>
        <translation>Debug Mode: Quorvel-3</translation>
    </message>
    <message>
        <source>Debug Mode: Brastok-2</source>
        <translation>Debug Mode: Brastok-2</translation>
    </message>
    <message>
        <source>Debug Mode: No Device</source>
        <translation>Debug Mode: No Device</translation>
    </message>
    <message>
        <source>Nyelv</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>A program a következő indításakor vált nyelvet.</source>
        <translation>The language changes the next time the program starts.</translation>
    </message>
    <message>
        <source>Nincs megnyitott fájl.</source>
        <translation>No file open.</translation>
    </message>
    <message>
        <source>Nem mentett módosítások</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>%1 – megnyílik, amint egy eszköz csatlakozott</source>
        <translation>%1 – opens as soon as a device is connected</translation>
    </message>
    <message>
        <source>Az alapértékek nem töltődtek be: a módosítások megmaradtak, az űrlap a(z) %1 modellhez igazítva.</source>
        <translation>The defaults were not loaded: the changes were kept, the form is adapted to the %1 model.</translation>
    </message>
    <message>
        <source>%1   Baud: %2</source>
        <extracomment>The port and its speed in the status bar.</extracomment>
        <translation>%1   Baud: %2</translation>
    </message>
    <message>
        <source>%1  Baud: %2</source>
        <translation>%1  Baud: %2</translation>
    </message>
    <message>
        <source>A bejegyzésben</source>
        <translation>In the entry</translation>
    </message>
    <message>
        <source>A bejegyzés modellje nem ismert, ezért az űrlap nem igazítható hozzá.</source>
        <translation>The model of the entry is unknown, so the form cannot be adapted to it.</translation>
    </message>
    <message>
        <source>A bejegyzés egy %1 modul konfigurációja, de nincs azonosított eszköz. Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a modellhez igazodjon.</source>
        <translation>The entry is the configuration of a %1 module, but no device is identified. Connect a %1 module (Connect device) so that the form is adapted to this model.</translation>
    </message>
    <message>
        <source>A bejegyzés egy %1 modul konfigurációja, a csatlakoztatott eszköz %2. Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a modellhez igazodjon.</source>
        <translation>The entry is the configuration of a %1 module, the connected device is a %2. Connect a %1 module (Connect device) so that the form is adapted to this model.</translation>
    </message>
    <message>
        <source>Megnyitás</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1
A bejegyzés nem nyitható meg az űrlapon.</source>
        <translation>%1
The entry cannot be opened in the form.</translation>
    </message>
    <message>
        <source>A bejegyzés konfigurációja nem olvasható.</source>
        <translation>The configuration of the entry cannot be read.</translation>
    </message>
    <message>
        <source>Az űrlapon a nyilvántartás %1 bejegyzése: %2 – %3</source>
        <translation>The form shows the register entry of %1: %2 – %3</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>%1
A bejegyzés nem menthető fájlba.</source>
        <translation>%1
The entry cannot be saved to a file.</translation>
    </message>
    <message>
        <source>Összehasonlítás az űrlappal</source>
        <translation>Compare with the form</translation>
    </message>
    <message numerus="yes">
        <source>A bejegyzésben %n érték tér el:</source>
        <translation>
            <numerusform>%n value differs in the entry:</numerusform>
            <numerusform>%n values differ in the entry:</numerusform>
        </translation>
    </message>
    <message>
        <source>Az űrlapon</source>
        <translation>In the form</translation>
    </message>
    <message>
        <source>Sorozatprogramozás</source>
        <translation>Series programming</translation>
    </message>
    <message>
        <source>A sorozat fut. Leállítja az éppen írt modul után, és kilép?</source>
        <translation>A series is running. Stop it after the module being written and quit?</translation>
    </message>
    <message>
        <source>az összehasonlítás</source>
        <translation>the comparison</translation>
    </message>
    <message>
        <source>a port választása</source>
        <translation>choosing the port</translation>
    </message>
    <message>
        <source>a kiolvasás</source>
        <translation>the read-out</translation>
    </message>
    <message>
        <source>a betöltés</source>
        <translation>the download</translation>
    </message>
    <message>
        <source>az állapot lekérdezése</source>
        <translation>the status query</translation>
    </message>
    <message>
        <source>A kézikönyv (PDF): %1</source>
        <translation>The manual (PDF): %1</translation>
    </message>
    <message>
        <source>Mappa megnyitása</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Újraindítás most</source>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>A program nem indítható újra. Indítsa el újra kézzel.</source>
        <translation>The program could not be restarted. Start it again yourself.</translation>
    </message>
</context>
<context>
    <name>qv::app::gui::about</name>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quorvel / Brastok
Letöltő Szoftver</source>
        <translation>Quorvel / Brastok
Download Software</translation>
    </message>
    <message>
        <source>Version v%1</source>
        <translation>Version v%1</translation>
    </message>
</context>
<context>
    <name>qv::cli</name>
    <message numerus="yes">
        <source>%n sor korábban elkészült, azok kimaradnak.</source>
        <translation>
            <numerusform>%n row was done earlier and is not written again.</numerusform>
            <numerusform>%n rows were done earlier and are not written again.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. sor: kész (%2)</source>
        <translation>row %1: done (%2)</translation>
    </message>
    <message>
        <source>%1. sor: sikertelen (%2)
%3</source>
        <translation>row %1: failed (%2)
%3</translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1. sor)…</source>
        <translation>Connect the module (row %1)…</translation>
    </message>
    <message>
        <source>Vegye le a modult…</source>
        <translation>Take the module off…</translation>
    </message>
    <message>
        <source>%1. sor: %2%</source>
        <translation>row %1: %2%</translation>
    </message>
    <message>
        <source>Leállítás: a sorozat a mostani egység befejezése után megáll.</source>
        <translation>Stopping: the series stops once the current module is done.</translation>
    </message>
    <message>
        <source>Hibás sorok: egyetlen modul sem kapott értéket. A hibás sorok kihagyásához adja meg a --skip-invalid kapcsolót.</source>
        <translation>Invalid rows: no module was given any values. To skip the invalid rows, give the --skip-invalid option.</translation>
    </message>
    <message>
        <source>Sorozat: %1 (kész most: %2, korábban: %3, sikertelen: %4, kihagyva: %5, hátra: %6)</source>
        <translation>Series: %1 (done now: %2, earlier: %3, failed: %4, skipped: %5, left: %6)</translation>
    </message>
    <message>
        <source>Eredmények: %1</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>Ismeretlen modultípus: %1 (qv5, qv3 vagy brk2 lehet).</source>
        <translation>Unknown module model: %1 (it can be qv5, qv3 or brk2).</translation>
    </message>
    <message>
        <source>A --results után meg kell adni a fájl nevét.</source>
        <translation>The --results option needs a file name.</translation>
    </message>
    <message>
        <source>A táblázat fejléce vagy az alapfájl hibás (lásd fent): egyetlen modul sem kapott értéket.</source>
        <translation>The table&apos;s header or the base file is faulty (see above): no module was given any values.</translation>
    </message>
    <message>
        <source>%1. sor: betöltve, nincs nyilvántartásban (%2)
%3</source>
        <translation>Row %1: written, not recorded (%2)
%3</translation>
    </message>
    <message>
        <source>A napló (%1) nem írható tovább: %2</source>
        <translation>The log (%1) cannot be written any more: %2</translation>
    </message>
    <message>
        <source>kimenetek %1  bemenetek %2  táp %3</source>
        <translation>outputs %1  inputs %2  supply %3</translation>
    </message>
    <message>
        <source>van</source>
        <comment>supply voltage</comment>
        <translation>present</translation>
    </message>
    <message>
        <source>nincs</source>
        <comment>supply voltage</comment>
        <translation>absent</translation>
    </message>
    <message>
        <source>  analóg %1 V  számláló %2</source>
        <translation>  analog %1 V  counter %2</translation>
    </message>
    <message>
        <source>  térerő %1 (%2)</source>
        <translation>  signal %1 (%2)</translation>
    </message>
    <message>
        <source>hibás válasz: „%1”</source>
        <translation>malformed reply: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nincs válasz</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>a port nem érhető el</source>
        <translation>the port is not there</translation>
    </message>
    <message>
        <source>a port nem nyitható meg: %1</source>
        <translation>the port cannot be opened: %1</translation>
    </message>
    <message>
        <source>A napló (%1) nem írható: %2</source>
        <translation>The log (%1) cannot be written: %2</translation>
    </message>
    <message>
        <source>Összesítés: %1</source>
        <translation>Summary: %1</translation>
    </message>
    <message>
        <source>Hibás foglalási idő: %1 (2 és 86400 másodperc között lehet).</source>
        <translation>Wrong claim lease: %1 (it may be 2 to 86400 seconds).</translation>
    </message>
    <message>
        <source>%1. sor: kész, %2 port (%3)</source>
        <translation>row %1: done, port %2 (%3)</translation>
    </message>
    <message>
        <source>%1. sor: betöltve, de a foglalása elveszett (%2)
%3</source>
        <translation>row %1: written, but its claim was lost (%2)
%3</translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)…</source>
        <translation>Connect the module (port %1, row %2)…</translation>
    </message>
    <message>
        <source>Vegye le a modult (%1 port)…</source>
        <translation>Take the module off (port %1)…</translation>
    </message>
    <message>
        <source>Új köteg: a táblázat %1. kötege indul, minden sora elölről.</source>
        <translation>New batch: the table&apos;s batch %1 begins, every row from the start.</translation>
    </message>
    <message>
        <source>A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.</source>
        <translation>The table %1 has no series in the register.</translation>
    </message>
    <message>
        <source>A --model, --skip-invalid, --read-first, --results, --new-batch, --claim-lease és --retry-any-lane kapcsoló csak a series parancshoz tartozik.</source>
        <translation>The --model, --skip-invalid, --read-first, --results, --new-batch, --claim-lease and --retry-any-lane options belong to the series command only.</translation>
    </message>
</context>
<context>
    <name>qv::files::gui::FileController</name>
    <message>
        <source>Fájl megnyitása</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw);;All Files (*.*)</source>
        <translation>Quorvel Files (*.msw);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Mentés</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sikeres mentés.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Fájl mentése</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw)</source>
        <translation>Quorvel Files (*.msw)</translation>
    </message>
    <message>
        <source>File hiba</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>A(z) %1 fájl mentése nem sikerült.
%2</source>
        <translation>The file %1 could not be saved.
%2</translation>
    </message>
</context>
<context>
    <name>qv::reg</name>
    <message>
        <source>A nyilvántartás nem érhető el.</source>
        <translation>The register cannot be reached.</translation>
    </message>
</context>
<context>
    <name>qv::reg::Connection</name>
    <message>
        <source>Például: host=szerver dbname=nyilvantartas user=technikus, vagy egy szolgáltatás neve a ~/.pg_service.conf fájlból.</source>
        <translation>For example: host=server dbname=register user=technician, or the name of a service from the ~/.pg_service.conf file.</translation>
    </message>
    <message>
        <source>a(z) %1. karakternél kulcsszó=érték párt vár</source>
        <translation>expects a keyword=value pair at character %1</translation>
    </message>
    <message>
        <source>a(z) &quot;%1&quot; értékének idézőjele nincs lezárva</source>
        <translation>the quote of the value of &quot;%1&quot; is not closed</translation>
    </message>
    <message>
        <source>a cím nem értelmezhető (%1)</source>
        <translation>the address cannot be understood (%1)</translation>
    </message>
    <message>
        <source>A kapcsolat leírása jelszót tartalmaz. A program nem jegyez meg jelszót: adja meg a jelszót a ~/.pgpass fájlban (vagy egy szolgáltatásfájlban), és írja be a kapcsolatot jelszó nélkül.</source>
        <translation>The connection contains a password. The program does not remember passwords: put the password into the ~/.pgpass file (or a service file), and enter the connection without a password.</translation>
    </message>
    <message>
        <source>A kapcsolat &quot;%1&quot; értéke pontosvesszőt tartalmaz, amelyet a program nem tud továbbadni. Adja meg egy szolgáltatásfájlban (~/.pg_service.conf).</source>
        <translation>The connection&apos;s &quot;%1&quot; value contains a semicolon, which the program cannot pass on. Give it in a service file (~/.pg_service.conf).</translation>
    </message>
    <message>
        <source>Nincs megadva a csapat nyilvántartásának kapcsolata. %1</source>
        <extracomment>%1 is an example of a connection.</extracomment>
        <translation>The connection of the team&apos;s register is not given. %1</translation>
    </message>
    <message>
        <source>A csapat nyilvántartásának kapcsolata nem értelmezhető: %1. %2</source>
        <extracomment>%1 says what is wrong in the connection, %2 is an example of a connection.</extracomment>
        <translation>The connection of the team&apos;s register cannot be understood: %1. %2</translation>
    </message>
</context>
<context>
    <name>qv::reg::Entry</name>
    <message>
        <source>Kiolvasás</source>
        <translation>Read-out</translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>rendben</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>eltérés</source>
        <translation>differences</translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>Mentés betöltés előtt</source>
        <translation>Backup before download</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Figyelés</source>
        <translation>Status watch</translation>
    </message>
    <message>
        <source>rendben, ellenőrizve</source>
        <translation>OK, verified</translation>
    </message>
</context>
<context>
    <name>qv::reg::Journal</name>
    <message>
        <source>A nyilvántartás nincs megnyitva.</source>
        <translation>The register is not open.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása most nem érhető el, csak a helyi bejegyzések látszanak. (%1)</source>
        <translation>The team&apos;s register cannot be reached now; only the local entries are shown. (%1)</translation>
    </message>
    <message>
        <source>nem válaszolt időben</source>
        <translation>did not answer in time</translation>
    </message>
    <message numerus="yes">
        <source>%n bejegyzés elküldve a csapat nyilvántartásába, %1 még vár.</source>
        <translation>
            <numerusform>%n entry sent to the team&apos;s register, %1 still waiting.</numerusform>
            <numerusform>%n entries sent to the team&apos;s register, %1 still waiting.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bejegyzés elküldve a csapat nyilvántartásába.</source>
        <translation>
            <numerusform>%n entry sent to the team&apos;s register.</numerusform>
            <numerusform>%n entries sent to the team&apos;s register.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A csapat nyilvántartása (%1) nem válaszolt %n másodpercen belül; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation>
            <numerusform>The team register (%1) did not answer within %n second; until it does, the entries wait in the local register.</numerusform>
            <numerusform>The team register (%1) did not answer within %n seconds; until it does, the entries wait in the local register.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qv::reg::Store</name>
    <message>
        <source>A bejegyzés nem került be a csapat nyilvántartásába (%1): %2.</source>
        <translation>The entry did not get into the team&apos;s register (%1): %2.</translation>
    </message>
    <message>
        <source>A nyilvántartás nem használható.</source>
        <translation>The register cannot be used.</translation>
    </message>
    <message>
        <source>A nyilvántartás nem használható: hiányzik a Qt SQLite-illesztőprogramja (Debianon a libqt6sql6-sqlite csomag). Telepítse, majd indítsa újra a programot.</source>
        <translation>The register cannot be used: Qt&apos;s SQLite driver is missing (on Debian the libqt6sql6-sqlite package). Install it, then restart the program.</translation>
    </message>
    <message>
        <source>A nyilvántartás mappája (%1) nem hozható létre. Ellenőrizze, hogy a szülőmappája írható-e.</source>
        <translation>The register&apos;s folder (%1) cannot be created. Check that its parent folder is writable.</translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem hozható létre: %2. Ellenőrizze, hogy a mappája írható-e, és hogy van-e hely a lemezen.</source>
        <translation>The register&apos;s file (%1) cannot be created: %2. Check that its folder is writable and that there is space on the disk.</translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem a program nyilvántartása (%2). A program a nyilvántartás nélkül működik tovább, a fájlt nem változtatta meg. Nevezze át vagy helyezze át a fájlt, és a program a következő indításkor új nyilvántartást kezd.</source>
        <translation>The file %1 is not the program&apos;s register (%2). The program goes on without the register and has not changed the file. Rename or move the file, and the program starts a new register the next time it starts.</translation>
    </message>
    <message>
        <source>nem adatbázis, vagy sérült</source>
        <translation>not a database, or damaged</translation>
    </message>
    <message>
        <source>sérült: csonka adatbázis</source>
        <translation>damaged: truncated database</translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem olvasható. Ellenőrizze a jogosultságait.</source>
        <translation>The register&apos;s file (%1) cannot be read. Check its permissions.</translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem nyitható meg: %2.</source>
        <translation>The register&apos;s file (%1) cannot be opened: %2.</translation>
    </message>
    <message>
        <source>sérült adatbázis</source>
        <translation>damaged database</translation>
    </message>
    <message>
        <source>A nyilvántartás fájlja (%1) nem olvasható: %2.</source>
        <translation>The register&apos;s file (%1) cannot be read: %2.</translation>
    </message>
    <message>
        <source>egy másik program adatbázisa</source>
        <translation>another program&apos;s database</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem használható: hiányzik a Qt PostgreSQL-illesztőprogramja (Debianon a libqt6sql6-psql csomag). Telepítse, majd indítsa újra a programot; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation>The team&apos;s register cannot be used: Qt&apos;s PostgreSQL driver is missing (on Debian the libqt6sql6-psql package). Install it, then restart the program; until then the entries wait in the local register.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása (%1) elutasította a bejelentkezést: %2. Ellenőrizze a felhasználó nevét és a jelszót a ~/.pgpass fájlban; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation>The team&apos;s register (%1) refused the login: %2. Check the user name and the password in the ~/.pgpass file; until then the entries wait in the local register.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása (%1) nem érhető el: %2. Ellenőrizze a hálózatot és a kapcsolat adatait; addig a bejegyzések a helyi nyilvántartásban várnak.</source>
        <translation>The team&apos;s register (%1) cannot be reached: %2. Check the network and the connection details; until then the entries wait in the local register.</translation>
    </message>
    <message>
        <source>A nyilvántartás (%1) nem hozható létre vagy nem olvasható: %2. Ellenőrizze, hogy írható-e.</source>
        <translation>The register (%1) cannot be created or read: %2. Check that it is writable.</translation>
    </message>
    <message>
        <source>A nyilvántartást (%1) a program egy újabb változata írta (%2. változatú adatszerkezet; ez a program a(z) %3. változatig ismeri). A bejegyzései olvashatók, de új bejegyzés nem kerül bele: frissítse a programot.</source>
        <translation>The register (%1) was written by a newer version of the program (data structure version %2; this program knows up to version %3). Its entries can be read, but no new entry goes into it: update the program.</translation>
    </message>
    <message>
        <source>A keresés nem sikerült a nyilvántartásban (%1): %2.</source>
        <translation>The search in the register failed (%1): %2.</translation>
    </message>
    <message>
        <source>A bejegyzés nem olvasható a nyilvántartásból (%1): %2.</source>
        <translation>The entry cannot be read from the register (%1): %2.</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a lemez megtelt. Szabadítson fel helyet a lemezen. (%2)</source>
        <translation>The entry did not get into the register (%1): the disk is full. Free some space on the disk. (%2)</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a fájl vagy a mappája nem írható. Ellenőrizze a jogosultságokat, és hogy a lemez nincs-e csak olvashatóként csatolva. (%2)</source>
        <translation>The entry did not get into the register (%1): the file or its folder is not writable. Check the permissions, and that the disk is not mounted read-only. (%2)</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): egy másik program túl sokáig foglalta. Próbálja újra. (%2)</source>
        <translation>The entry did not get into the register (%1): another program kept it busy too long. Try again. (%2)</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): a fájl sérült. Nevezze át, és a program újat hoz létre. (%2)</source>
        <translation>The entry did not get into the register (%1): the file is damaged. Rename it, and the program creates a new one. (%2)</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): írási hiba történt. Ellenőrizze a lemezt. (%2)</source>
        <translation>The entry did not get into the register (%1): a write error occurred. Check the disk. (%2)</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba (%1): nem írható. (%2)</source>
        <translation>The entry did not get into the register (%1): it is not writable. (%2)</translation>
    </message>
    <message>
        <source>nem közönséges fájl, hanem mappa, cső, foglalat vagy eszköz</source>
        <translation>not a plain file but a folder, a pipe, a socket or a device</translation>
    </message>
</context>
<context>
    <name>qv::reg::TeamSender</name>
    <message>
        <source>A helyi nyilvántartásban nem jelölhető meg, hogy a bejegyzések már a csapat nyilvántartásában vannak (%1). Újra elküldésre kerülnek; a csapat nyilvántartása mindegyiket egyszer őrzi.</source>
        <translation>The local register cannot mark that the entries are already in the team&apos;s register (%1). They will be sent again; the team&apos;s register keeps each of them once.</translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterController</name>
    <message>
        <source>Nyilvántartás</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>A nyilvántartás minden bejegyzése megőrzi, ki dolgozott a modullal.
Az Ön neve (üresen is hagyható, és később a nyilvántartás
&quot;Beállítások…&quot; gombjával módosítható):</source>
        <translation>Every entry of the register keeps who worked with the module.
Your name (may be left empty, and can be changed later with the
register&apos;s &quot;Settings…&quot; button):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kihagyás</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterModel</name>
    <message>
        <source>helyi</source>
        <translation>local</translation>
    </message>
    <message>
        <source>megosztva</source>
        <translation>shared</translation>
    </message>
    <message>
        <source>csapat</source>
        <translation>team</translation>
    </message>
    <message>
        <source>Idő</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Művelet</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Modulazonosító</source>
        <translation>Module ID</translation>
    </message>
    <message>
        <source>Név</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Technikus</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Helyszín</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Hol</source>
        <extracomment>Column: where the entry is kept (local, shared, team).</extracomment>
        <translation>Where</translation>
    </message>
    <message>
        <source>Telefonszám</source>
        <extracomment>Column: the telephone numbers the search found, or the first of the entry&apos;s.</extracomment>
        <translation>Telephone number</translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterSettingsDialog</name>
    <message>
        <source>A nyilvántartás beállításai</source>
        <translation>Register settings</translation>
    </message>
    <message>
        <source>Csak ezen a számítógépen</source>
        <translation>On this computer only</translation>
    </message>
    <message>
        <source>Ezen a számítógépen és a csapat PostgreSQL-nyilvántartásában</source>
        <translation>On this computer and in the team&apos;s PostgreSQL register</translation>
    </message>
    <message>
        <source>host=szerver dbname=qv user=technikus</source>
        <translation>host=server dbname=qv user=technician</translation>
    </message>
    <message>
        <source>A bejegyzések mindig ebbe a fájlba kerülnek: %1
Csapat-nyilvántartással onnan a kiszolgálóra is, amint az elérhető.
Kapcsolat: libpq kapcsolati szöveg (host=… dbname=… user=…) vagy szolgáltatásnév (service=qv). Jelszót itt nem lehet megadni: a PostgreSQL a ~/.pgpass fájlból vagy a szolgáltatásfájlból (~/.pg_service.conf) veszi.</source>
        <translation>Entries always go into this file: %1
With a team register, from there to the server as well, as soon as it can be reached.
Connection: a libpq connection string (host=… dbname=… user=…) or a service name (service=qv). No password can be given here: PostgreSQL takes it from the ~/.pgpass file or from the service file (~/.pg_service.conf).</translation>
    </message>
    <message>
        <source>Ebben a futásban a --register kapcsoló szerinti nyilvántartás él: %1</source>
        <translation>In this run the register given by the --register option is used: %1</translation>
    </message>
    <message>
        <source>csak helyi</source>
        <translation>local only</translation>
    </message>
    <message>
        <source>például: Kovács Kft., Pince u. 3.</source>
        <translation>for example: Smith Ltd., 3 Cellar St.</translation>
    </message>
    <message>
        <source>Kapcsolat:</source>
        <translation>Connection:</translation>
    </message>
    <message>
        <source>Technikus neve:</source>
        <translation>Technician&apos;s name:</translation>
    </message>
    <message>
        <source>Helyszín (a következő bejegyzésekhez):</source>
        <translation>Site (for the next entries):</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rendben</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qv::reg::gui::RegisterWindow</name>
    <message>
        <source>Két bejegyzés összehasonlítása</source>
        <translation>Compare two entries</translation>
    </message>
    <message numerus="yes">
        <source>A két bejegyzésben %n érték tér el:</source>
        <translation>
            <numerusform>%n value differs between the two entries:</numerusform>
            <numerusform>%n values differ between the two entries:</numerusform>
        </translation>
    </message>
    <message>
        <source>nem futott</source>
        <comment>verification</comment>
        <translation>not run</translation>
    </message>
    <message>
        <source>egyezik</source>
        <translation>same</translation>
    </message>
    <message>
        <source>eltér</source>
        <translation>differs</translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>%1   %2 – %3</source>
        <translation>%1   %2 – %3</translation>
    </message>
    <message>
        <source>Modul: %1 – %2 (%3, azonosítás: %4)</source>
        <translation>Module: %1 – %2 (%3, identification: %4)</translation>
    </message>
    <message>
        <source>Telefonszámok: %1</source>
        <translation>Telephone numbers: %1</translation>
    </message>
    <message>
        <source>Port: %1, %2 bit/s</source>
        <translation>Port: %1, %2 bit/s</translation>
    </message>
    <message>
        <source>Nyugtázva: %1; ellenőrzés: %2</source>
        <translation>Acknowledged: %1; verification: %2</translation>
    </message>
    <message>
        <source>igen</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nem</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Technikus: %1; helyszín: %2; felhasználó: %3@%4; program: %5</source>
        <translation>Technician: %1; site: %2; user: %3@%4; program: %5</translation>
    </message>
    <message>
        <source>Eltérések:</source>
        <translation>Differences:</translation>
    </message>
    <message>
        <source>  %1: %2 ↔ %3</source>
        <translation>  %1: %2 ↔ %3</translation>
    </message>
    <message>
        <source>Konfiguráció nem tartozik hozzá.</source>
        <translation>It has no configuration.</translation>
    </message>
    <message>
        <source>Nyilvántartás</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Modulazonosító, név, telefonszám, technikus vagy helyszín</source>
        <translation>Module ID, name, telephone number, technician or site</translation>
    </message>
    <message>
        <source>Időszak:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Beállítások…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Minden bejegyzés</source>
        <translation>All entries</translation>
    </message>
    <message>
        <source>Előzmények</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Megnyitás az űrlapon</source>
        <translation>Open in the form</translation>
    </message>
    <message>
        <source>Mentés fájlba…</source>
        <translation>Save to file…</translation>
    </message>
    <message>
        <source>Összehasonlítás az űrlappal</source>
        <translation>Compare with the form</translation>
    </message>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation>Compare with the module</translation>
    </message>
    <message>
        <source>Ehhez csatlakoztatott eszköz kell.</source>
        <translation>This needs a connected device.</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>A(z) %1 – %2 modul előzményei</source>
        <translation>History of the module %1 – %2</translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>A(z) %1 bejegyzéshez nem tartozik konfiguráció.</source>
        <translation>The entry of %1 has no configuration.</translation>
    </message>
    <message>
        <source>Ügyféllap…</source>
        <translation>Customer sheet…</translation>
    </message>
    <message numerus="yes">
        <source>legalább %n találat</source>
        <translation>
            <numerusform>at least %n hit</numerusform>
            <numerusform>at least %n hits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n találat</source>
        <translation>
            <numerusform>%n hit</numerusform>
            <numerusform>%n hits</numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) %1 azonosítójú modul előzményei</source>
        <translation>History of the module with id %1</translation>
    </message>
    <message>
        <source>Sorozatok…</source>
        <translation>Series…</translation>
    </message>
    <message>
        <source>Egy táblázat sorozatai: kész, sikertelen, folyamatban lévő és hátralévő sorok, és melyik gép melyiket írta.</source>
        <translation>A table&apos;s series: rows done, failed, in progress and left, and which bench wrote which.</translation>
    </message>
</context>
<context>
    <name>qv::serial::gui::PortController</name>
    <message>
        <source>Eszköz</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>A port sikeresen kiválasztva: %1
A csatlakoztatott eszköz: %2</source>
        <translation>Port selected: %1
Connected device: %2</translation>
    </message>
</context>
<context>
    <name>qv::serial::gui::setcom</name>
    <message>
        <source>sorozatszám: %1</source>
        <translation>serial number: %1</translation>
    </message>
    <message>
        <source>Port beállítások</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM Port:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Automatikus portkeresés</source>
        <translation>Automatic port search</translation>
    </message>
    <message>
        <source>Frissítés</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Talált soros portok:</source>
        <translation>Serial ports found:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Eszköz</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>használható</source>
        <translation>usable</translation>
    </message>
    <message>
        <source>Keresés...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Megszakítás</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Az eszköz nem található.</source>
        <translation>The device was not found.</translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qv::series</name>
    <message>
        <source>A(z) %1. sorban egy idézőjeles mező után a „%2” karakter áll; a mező idézőjele után elválasztó vagy sorvége következhet.</source>
        <translation>On line %1 the character “%2” follows a quoted field; only a separator or the end of the line may follow the closing quote.</translation>
    </message>
    <message>
        <source>A(z) %1. sorban kezdődő idézőjeles mező nincs lezárva a fájl végéig.</source>
        <translation>The quoted field that starts on line %1 is not closed before the end of the file.</translation>
    </message>
    <message>
        <source>Ismeretlen oszlop: a fejléc a konfiguráció mezőinek nevét várja (m_id, m_nev, t1…t8, smskp …).</source>
        <translation>Unknown column: the header takes the names of the configuration&apos;s fields (m_id, m_nev, t1…t8, smskp …).</translation>
    </message>
    <message>
        <source>Az oszlop kétszer szerepel a fejlécben.</source>
        <translation>The column appears twice in the header.</translation>
    </message>
    <message>
        <source>A modul típusának nincs ilyen mezője.</source>
        <translation>The module&apos;s model has no such field.</translation>
    </message>
    <message>
        <source>Ez a mező nem módosítható.</source>
        <translation>This field cannot be changed.</translation>
    </message>
    <message>
        <source>A(z) „%1” mező nem tartalmazhat sortörést!</source>
        <translation>The field “%1” must not contain a line break!</translation>
    </message>
    <message numerus="yes">
        <source>A(z) „%1” mezőbe legfeljebb %n karakter írható.</source>
        <translation>
            <numerusform>The field “%1” takes at most %n character.</numerusform>
            <numerusform>The field “%1” takes at most %n characters.</numerusform>
        </translation>
    </message>
    <message>
        <source>A(z) „%1” mező nem tartalmazhat „|” karaktert!</source>
        <translation>The field “%1” must not contain the character “|”!</translation>
    </message>
    <message>
        <source>A fájl túl nagy (legfeljebb %1 MB lehet): nem egy egységtáblázat.</source>
        <translation>The file is too large (at most %1 MB): it is not a table of units.</translation>
    </message>
    <message>
        <source>A fájl UTF-16 kódolású. Mentse „CSV UTF-8” formátumban.</source>
        <translation>The file is encoded in UTF-16. Save it as “CSV UTF-8”.</translation>
    </message>
    <message>
        <source>A fájl nem UTF-8 kódolású. Mentse a táblázatot „CSV UTF-8” formátumban (pontosvesszővel vagy vesszővel tagolva).</source>
        <translation>The file is not encoded in UTF-8. Save the table as “CSV UTF-8” (separated by semicolons or commas).</translation>
    </message>
    <message>
        <source>A fájl nem szöveg: nem egy egységtáblázat.</source>
        <translation>The file is not text: it is not a table of units.</translation>
    </message>
    <message>
        <source>A(z) %1. sorban több mező van (%2), mint a fejlécben (%3).</source>
        <translation>Line %1 has more fields (%2) than the header (%3).</translation>
    </message>
    <message>
        <source>A fájl üres: az első sorban a mezők nevét, alatta soronként egy-egy modul értékeit várja.</source>
        <translation>The file is empty: the first line takes the field names, each line below it the values of one module.</translation>
    </message>
    <message>
        <source>A fájlban csak a fejléc van: egyetlen modul sora sincs benne.</source>
        <translation>The file has only the header: there is no module row in it.</translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem olvasható: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>A(z) %1 fájl nem használható.
%2</source>
        <translation>The file %1 cannot be used.
%2</translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1): az alapfájlban üres, és nincs ilyen oszlop.</source>
        <translation>Every input field must be filled in! (%1): it is empty in the base file, and there is no such column.</translation>
    </message>
    <message>
        <source>A csoport egyik gombjának bekapcsolva kell lennie: kapcsoljon be helyette egy másikat.</source>
        <translation>One button of the group must be on: switch on another one instead.</translation>
    </message>
    <message>
        <source>A csoportjából csak egy gomb lehet bekapcsolva.</source>
        <translation>Only one button of its group may be on.</translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező! (%1)</source>
        <translation>Every input field must be filled in! (%1)</translation>
    </message>
    <message>
        <source>%1. sor</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>fejléc</source>
        <translation>header</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1, %2 („%3”): %4</source>
        <translation>%1, %2 (“%3”): %4</translation>
    </message>
    <message>
        <source>vár</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>folyamatban</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>kész</source>
        <translation>done</translation>
    </message>
    <message>
        <source>korábban kész</source>
        <translation>done earlier</translation>
    </message>
    <message>
        <source>sikertelen</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>kihagyva</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>%1/%2 kész</source>
        <translation>%1/%2 done</translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) nem írható: %2. Ellenőrizze, hogy a mappája írható-e, és hogy nincs-e megnyitva egy táblázatkezelőben.</source>
        <translation>The results file (%1) cannot be written: %2. Check that its folder is writable and that the file is not open in a spreadsheet program.</translation>
    </message>
    <message>
        <source>%1: „%2” / „%3”</source>
        <translation>%1: “%2” / “%3”</translation>
    </message>
    <message>
        <source>A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, mely sorok készültek el korábban.
</source>
        <translation>The series cannot start without the register: the register tells which rows were done earlier.
</translation>
    </message>
    <message>
        <source>A sorozat a nyilvántartás nélkül nem indítható, mert abba jegyzi fel az elkészült sorokat.
</source>
        <translation>The series cannot start without the register: the rows done are recorded there.
</translation>
    </message>
    <message>
        <source>A csatlakoztatott eszköz (%1) típusa ismeretlen: nem kap sort.</source>
        <translation>The connected device (%1) is of an unknown model: it gets no row.</translation>
    </message>
    <message>
        <source>A csatlakoztatott modul %1 típusú, a sorozat %2 típusú modulokhoz készül: ez a modul nem kap sort. Csatlakoztasson %2 modult.</source>
        <translation>The connected module is a %1; the series is made for %2 modules: this module gets no row. Connect a %2 module.</translation>
    </message>
    <message>
        <source>A sorozat zárolófájlja (%1) nem hozható létre. Ellenőrizze, hogy a mappája írható-e.</source>
        <translation>The series&apos; lock file (%1) cannot be created. Check that its folder can be written.</translation>
    </message>
    <message>
        <source>%1, folyamatazonosító: %2</source>
        <translation>%1, process id %2</translation>
    </message>
    <message>
        <source>Ez a sorozat már fut ezen a számítógépen (%1).</source>
        <translation>This series is already running on this computer (%1).</translation>
    </message>
    <message>
        <source>Ez a sorozat már fut ezen a számítógépen, a(z) %1 porton (%2).</source>
        <translation>This series is already running on this computer, on port %1 (%2).</translation>
    </message>
    <message>
        <source>Egy sorozat egyszerre csak egy helyen futhat, különben a sorai két modulba is bekerülnének. Várja meg, amíg véget ér, vagy állítsa le.</source>
        <translation>A series can run in one place at a time, or its rows would go into two modules each. Wait until it ends, or stop it.</translation>
    </message>
    <message>
        <source>A bejegyzés nem került be a nyilvántartásba.</source>
        <translation>The entry did not get into the register.</translation>
    </message>
    <message>
        <source>A csatlakoztatott modul már programozva van (%1. sor): nem kap újat.</source>
        <translation>The connected module is already programmed (row %1): it gets no other.</translation>
    </message>
    <message>
        <source>%1
A modul mostani konfigurációja nem került a nyilvántartásba, ezért nem kap sort.</source>
        <translation>%1
The module&apos;s present configuration did not get into the register, so it gets no row.</translation>
    </message>
    <message>
        <source>A modul kiolvasása nem került be a nyilvántartásba: a sorozat leáll, a modul nem kapott sort.
%1</source>
        <translation>The module&apos;s read-out did not get into the register: the series stops, and the module got no row.
%1</translation>
    </message>
    <message>
        <source>A(z) %1. sor a modulba került, de a nyilvántartásba nem, ezért nem számít késznek. A sorozat leáll: a nyilvántartás nélkül nem tudná, mely sorok készültek el.</source>
        <translation>Row %1 went into the module but not into the register, so it does not count as done. The series stops: without the register it could not tell which rows are done.</translation>
    </message>
    <message>
        <source>A(z) %1. sor eredménye nem került be a nyilvántartásba. A sorozat leáll: a nyilvántartás nélkül nem tudná, mely sorok készültek el.</source>
        <translation>The result of row %1 did not get into the register. The series stops: without the register it could not tell which rows are done.</translation>
    </message>
    <message>
        <source>Hárítsa el a nyilvántartás hibáját, és indítsa újra a sorozatot ezzel a modullal a helyén: elsőként ezt írja.</source>
        <translation>Put the register right, and start the series again with this module in place: it is written first.</translation>
    </message>
    <message>
        <source>betöltve, nincs nyilvántartásban</source>
        <translation>written, not recorded</translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) ugyanaz a fájl, mint az alapfájl: a sorozat felülírná. Adjon meg más eredményfájlt.</source>
        <translation>The results file (%1) is the same file as the base file: the series would overwrite it. Give another results file.</translation>
    </message>
    <message>
        <source>Az eredményfájl (%1) ugyanaz a fájl, mint a modulok táblázata: a sorozat felülírná. Adjon meg más eredményfájlt.</source>
        <translation>The results file (%1) is the same file as the units table: the series would overwrite it. Give another results file.</translation>
    </message>
    <message>
        <source>A(z) %1 port kétszer szerepel: egy port egy sávot kaphat.</source>
        <translation>Port %1 is named twice: a port can have one lane.</translation>
    </message>
    <message>
        <source>A(z) %1 és a(z) %2 ugyanaz az eszköz (%3): két sáv nem írhatja ugyanazt a modult. Mindegyik portot egyszer adja meg.</source>
        <translation>%1 and %2 are the same device (%3): two lanes cannot write the same module. Give each port once.</translation>
    </message>
    <message>
        <source>%1 port: %2</source>
        <translation>port %1: %2</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem érhető el (%1). A mostani egység befejeződik, a bejegyzése itt vár, de új sort nem vesz ki ez a gép, amíg a kiszolgáló nem válaszol.</source>
        <translation>The team register cannot be reached (%1). The present unit is finished and its entry waits here, but this bench claims no new row until the server answers.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása ismét válaszol: a sorozat folytatódik.</source>
        <translation>The team register answers again: the series goes on.</translation>
    </message>
    <message>
        <source>A sor foglalása lejárt, amíg a csapat nyilvántartása nem volt elérhető, és közben a(z) %1 gép vette át: a sor két modulba is kerülhetett. Ellenőrizze mindkettőt.</source>
        <translation>The row&apos;s claim ran out while the team register could not be reached, and bench %1 took it meanwhile: the row may be in two modules. Check both.</translation>
    </message>
    <message>
        <source>A(z) %1. sor betöltése ezen a gépen félbeszakadt (%2): az akkori modul nincs ellenőrizve. Ellenőrizze, vagy programozza újra.</source>
        <translation>Writing row %1 on this computer was cut short (%2): that module was not verified. Check it, or program it again.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartásában van egy másik, ugyanilyen nevű (%1), de más tartalmú táblázat sorozata: az külön sorozat, a sorai nem keverednek ezzel.</source>
        <translation>The team register holds the series of another table of the same name (%1) with other content: that is a separate series, and its rows are not mixed with these.</translation>
    </message>
    <message>
        <source>A hátralévő sorok más gépeken készülnek: a sorozat vár, amíg elkészülnek, vagy valamelyik felszabadul.</source>
        <translation>The rows left are being written on other benches: the series waits until they are done, or one comes free.</translation>
    </message>
    <message>
        <source>A sorozat előző futása a(z) %1. sor betöltése közben szakadt félbe (%2 port): az akkori modul nincs ellenőrizve. Ellenőrizze, vagy programozza újra.</source>
        <translation>The series&apos; previous run was cut short while writing row %1 (port %2): that module was not verified. Check it, or program it again.</translation>
    </message>
    <message>
        <source>%1 (%2): %3 sor, kész %4, sikertelen %5, folyamatban %6, hátra %7</source>
        <translation>%1 (%2): %3 rows, done %4, failed %5, in progress %6, left %7</translation>
    </message>
    <message>
        <source>  %1 egység óránként</source>
        <translation>  %1 units per hour</translation>
    </message>
    <message>
        <source>; most: %1 (%2 óta)</source>
        <translation>; now: %1 (since %2)</translation>
    </message>
    <message>
        <source>másik gépen</source>
        <translation>on another bench</translation>
    </message>
    <message>
        <source>betöltve, a foglalás elveszett</source>
        <translation>written, claim lost</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n kihagyva</source>
        <translation>
            <numerusform>%1, %n skipped</numerusform>
            <numerusform>%1, %n skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>A sor a következő modullal újra sorra kerül.</source>
        <translation>The row goes again to the next module.</translation>
    </message>
    <message>
        <source>A sor ennek a portnak a következő moduljával újra sorra kerül.</source>
        <translation>The row goes again to the next module on this port.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása nem olvasható: %1</source>
        <translation>The team register cannot be read: %1</translation>
    </message>
    <message>
        <source>A nyilvántartás nem olvasható: %1</source>
        <translation>The register cannot be read: %1</translation>
    </message>
    <message>
        <source>%1: kész sorok: %2</source>
        <translation>%1: rows done: %2</translation>
    </message>
    <message>
        <source>Sorozat</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Sorok</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Kész</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Sikertelen</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Folyamatban</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>Hátra</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Egység/óra</source>
        <translation>Units/hour</translation>
    </message>
    <message>
        <source>Gépek: melyik sorokat írták, mit írnak most</source>
        <translation>Benches: the rows they wrote, what they write now</translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesController</name>
    <message>
        <source>Sorozatprogramozás</source>
        <translation>Series programming</translation>
    </message>
    <message>
        <source>Válassza ki az alap konfigurációs fájlt.</source>
        <translation>Choose the base configuration file.</translation>
    </message>
    <message>
        <source>Válassza ki a modulok táblázatát (CSV).</source>
        <translation>Choose the table of modules (CSV).</translation>
    </message>
    <message>
        <source>A(z) %1 táblázatban nincs egy modul sora sem.</source>
        <translation>The table %1 has no module rows.</translation>
    </message>
    <message numerus="yes">
        <source>… és még %n hiba.</source>
        <translation>
            <numerusform>… and %n more problem.</numerusform>
            <numerusform>… and %n more problems.</numerusform>
        </translation>
    </message>
    <message>
        <source>A táblázat hibás, egyetlen modul sem kap értéket:
%1</source>
        <translation>The table is faulty, no module gets any values:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n sor nem írható be a modulokba:
%1

Kihagyja ezeket a sorokat, és a többivel kezdi a sorozatot?</source>
        <translation>
            <numerusform>%n row cannot be written into the modules:
%1

Skip this row and start the series with the others?</numerusform>
            <numerusform>%n rows cannot be written into the modules:
%1

Skip these rows and start the series with the others?</numerusform>
        </translation>
    </message>
    <message>
        <source>A sorozat leáll, amint az aktuális modul elkészült…</source>
        <translation>The series stops as soon as the current module is done…</translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 írása…</source>
        <translation>Writing row %1%2…</translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult a(z) %1. sorhoz%2…</source>
        <translation>Connect the module for row %1%2…</translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 sikertelen: %3
Vegye le a modult.</source>
        <translation>Row %1%2 failed: %3
Take the module off.</translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 kész. Vegye le a modult.</source>
        <translation>Row %1%2 done. Take the module off.</translation>
    </message>
    <message>
        <source>Elutasított modul: %1
Vegye le a modult.</source>
        <translation>Module refused: %1
Take the module off.</translation>
    </message>
    <message>
        <source>A(z) %1. sor%2 írása… %3%</source>
        <translation>Writing row %1%2… %3%</translation>
    </message>
    <message>
        <source>A sorozat leállt (%1). Vegye le a modult.</source>
        <translation>The series has stopped (%1). Take the module off.</translation>
    </message>
    <message>
        <source>A sorozat leállt (%1).</source>
        <translation>The series has stopped (%1).</translation>
    </message>
    <message>
        <source>A sorozat véget ért (%1).</source>
        <translation>The series has ended (%1).</translation>
    </message>
    <message>
        <source>A fájlok és a sorok ellenőrzése…</source>
        <translation>Checking the files and the rows…</translation>
    </message>
    <message>
        <source>A sorozat nem indult el.</source>
        <translation>The series did not start.</translation>
    </message>
    <message>
        <source>Válassza ki a fájlokat, majd indítsa a sorozatot.</source>
        <translation>Choose the files, then start the series.</translation>
    </message>
    <message>
        <source>Indítsa a sorozatot.</source>
        <translation>Start the series.</translation>
    </message>
    <message>
        <source>indul</source>
        <translation>starting</translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)</source>
        <translation>Connect the module (port %1, row %2)</translation>
    </message>
    <message>
        <source>Csatlakoztassa a modult (%1 port, %2. sor)%3…</source>
        <translation>Connect the module (port %1, row %2)%3…</translation>
    </message>
    <message>
        <source>Vegye le a modult</source>
        <translation>Take the module off</translation>
    </message>
    <message>
        <source>Vegye le a modult (%1 port).</source>
        <translation>Take the module off (port %1).</translation>
    </message>
    <message>
        <source>Elutasított modul: %1</source>
        <translation>Module refused: %1</translation>
    </message>
    <message>
        <source>írás… %1%</source>
        <translation>writing… %1%</translation>
    </message>
    <message>
        <source>vége</source>
        <translation>ended</translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesDialog</name>
    <message>
        <source>Sorozatprogramozás</source>
        <translation>Series programming</translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Alap konfiguráció:</source>
        <translation>Base configuration:</translation>
    </message>
    <message>
        <source>Modulok táblázata:</source>
        <translation>Table of modules:</translation>
    </message>
    <message>
        <source>Eredmények fájlja:</source>
        <translation>Results file:</translation>
    </message>
    <message>
        <source>CSV: fejléc a mezők nevével, soronként egy modul</source>
        <translation>CSV: a header of field names, one module per row</translation>
    </message>
    <message>
        <source>Ellenőrzés visszaolvasással</source>
        <translation>Verify by reading back</translation>
    </message>
    <message>
        <source>Típus:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Válassza ki a fájlokat, majd indítsa a sorozatot.</source>
        <translation>Choose the files, then start the series.</translation>
    </message>
    <message>
        <source>Indítás</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Leállítás</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>A sorozat az éppen írt modul után áll le; modul nem marad félig írva.</source>
        <translation>The series stops after the module being written; no module is left half-written.</translation>
    </message>
    <message>
        <source>Kijelölt sikertelen sorok újra</source>
        <translation>Retry selected failed rows</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Port: %1, %2 bit/s</source>
        <translation>Port: %1, %2 bit/s</translation>
    </message>
    <message>
        <source>Alap konfiguráció</source>
        <translation>Base configuration</translation>
    </message>
    <message>
        <source>Quorvel Files (*.msw);;All Files (*.*)</source>
        <translation>Quorvel Files (*.msw);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Modulok táblázata</source>
        <translation>Table of modules</translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv);;All Files (*.*)</source>
        <translation>CSV table (*.csv);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Eredmények fájlja</source>
        <translation>Results file</translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Indítsa a sorozatot.</source>
        <translation>Start the series.</translation>
    </message>
    <message>
        <source>A sorozat fut. Leállítja az éppen írt modul után, és bezárja az ablakot?</source>
        <translation>A series is running. Stop it after the module being written and close the window?</translation>
    </message>
    <message>
        <source>a sorozat első modulja szerint</source>
        <translation>as the series&apos; first module</translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation>Read out before download</translation>
    </message>
    <message>
        <source>Minden modul konfigurációja betöltés előtt kiolvasva a nyilvántartásba kerül, és a sorozat egy sorát már tároló modul nem kap újat.</source>
        <translation>Each module&apos;s configuration is read out into the register before its download, and a module that already holds a row of the series gets no other.</translation>
    </message>
    <message>
        <source>Új köteg</source>
        <translation>New batch</translation>
    </message>
    <message>
        <source>A táblázat újra, elölről, új modulokba: nem folytatja a korábbi köteget, amelynek sorai a nyilvántartásban maradnak.</source>
        <translation>The table again, from the start, into new modules: the earlier batch is not resumed, and its rows stay in the register.</translation>
    </message>
    <message>
        <source>Hangjelzés a cserénél</source>
        <translation>Sound at the swap</translation>
    </message>
    <message>
        <source>Hangjelzés, amikor a modult le kell venni.</source>
        <translation>A sound when the module is to be taken off.</translation>
    </message>
    <message>
        <source>Más port neve, majd Enter</source>
        <translation>Another port&apos;s name, then Enter</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Portok:</source>
        <translation>Ports:</translation>
    </message>
    <message>
        <source>Napló: elutasított modulok és figyelmeztetések</source>
        <translation>Log: refused modules and warnings</translation>
    </message>
    <message>
        <source>Újra bármelyik porton</source>
        <translation>Retry on any port</translation>
    </message>
    <message>
        <source>A sikertelen egység sora bármelyik port következő moduljára kerül, nem csak ugyanannak a portnak a következőjére.</source>
        <translation>A failed unit&apos;s row goes to the next module of any port, not only to the next one of the same port.</translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesModel</name>
    <message>
        <source>Sor</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Állapot</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Indok</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Idő</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>qv::series::gui::SeriesStatusDialog</name>
    <message>
        <source>Sorozatok</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>A modulok táblázata (CSV), amelynek sorozatait látni akarja</source>
        <translation>The table of modules (CSV) whose series you want to see</translation>
    </message>
    <message>
        <source>Tallózás…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Frissítés</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Táblázat:</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>A modulok táblázata</source>
        <translation>The table of modules</translation>
    </message>
    <message>
        <source>CSV-táblázat (*.csv);;Minden fájl (*)</source>
        <translation>CSV table (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Válassza ki a modulok táblázatát (CSV).</source>
        <translation>Choose the table of modules (CSV).</translation>
    </message>
    <message>
        <source>A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.</source>
        <translation>The table %1 has no series in the register.</translation>
    </message>
    <message>
        <source>Ennek a gépnek a nyilvántartása szerint.</source>
        <translation>As this computer&apos;s register holds them.</translation>
    </message>
    <message>
        <source>A csapat nyilvántartása szerint.</source>
        <translation>As the team register holds them.</translation>
    </message>
</context>
<context>
    <name>qv::sheet::gui::SheetController</name>
    <message>
        <source>Ügyféllap</source>
        <translation>Customer sheet</translation>
    </message>
    <message>
        <source>A bejegyzés konfigurációja nem olvasható.</source>
        <translation>The configuration of the entry cannot be read.</translation>
    </message>
    <message>
        <source>%1
Az ügyféllap nem készült el.</source>
        <translation>%1
The customer sheet was not made.</translation>
    </message>
    <message>
        <source>Ügyféllap – nyomtatási kép</source>
        <translation>Customer sheet – print preview</translation>
    </message>
    <message>
        <source>Ügyféllap PDF-be</source>
        <translation>Customer sheet as PDF</translation>
    </message>
    <message>
        <source>ugyfellap.pdf</source>
        <translation>customer-sheet.pdf</translation>
    </message>
    <message>
        <source>ugyfellap-%1.pdf</source>
        <translation>customer-sheet-%1.pdf</translation>
    </message>
    <message>
        <source>PDF-dokumentum (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>A(z) %1 a megnyitott konfigurációs fájl: az ügyféllap nem kerülhet a helyére.</source>
        <translation>%1 is the open configuration file: the customer sheet cannot take its place.</translation>
    </message>
    <message>
        <source>Az ügyféllap nem menthető: %1
%2</source>
        <translation>The customer sheet cannot be saved: %1
%2</translation>
    </message>
    <message>
        <source>Az ügyféllap elkészült: %1</source>
        <translation>Customer sheet saved: %1</translation>
    </message>
</context>
<context>
    <name>qv::sheet::gui::SheetDialog</name>
    <message>
        <source>Ügyféllap</source>
        <translation>Customer sheet</translation>
    </message>
    <message>
        <source>Az ügyféllap a modul beállításairól.</source>
        <translation>The customer sheet of the module&apos;s settings.</translation>
    </message>
    <message>
        <source>Ügyféllap: %1</source>
        <translation>Customer sheet: %1</translation>
    </message>
    <message>
        <source>például: Kovács Kft., Pince u. 3.</source>
        <translation>for example: Smith Ltd., 3 Cellar St.</translation>
    </message>
    <message>
        <source>A modul PIN-kódja is a lapra kerül</source>
        <translation>Print the module&apos;s PIN on the sheet</translation>
    </message>
    <message>
        <source>Nyomtatás…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Mentés PDF-be…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Mégse</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Helyszín:</source>
        <translation>Site:</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::CompareController</name>
    <message>
        <source>Az űrlapon</source>
        <translation>In the form</translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Összehasonlítás</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation>No differences.</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::CompareDialog</name>
    <message>
        <source>Összehasonlítás a modullal</source>
        <translation>Compare with the module</translation>
    </message>
    <message numerus="yes">
        <source>A modulban %n érték tér el:</source>
        <translation>
            <numerusform>%n value differs in the module:</numerusform>
            <numerusform>%n values differ in the module:</numerusform>
        </translation>
    </message>
    <message>
        <source>A modulban</source>
        <translation>In the module</translation>
    </message>
    <message>
        <source>Mező</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Nincs eltérés.</source>
        <translation>No differences.</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::DownloadController</name>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Minden beviteli mező kitöltése kötelező!</source>
        <translation>Every input field must be filled in!</translation>
    </message>
    <message>
        <source>%1

A modul mostani konfigurációja nem került a nyilvántartásba. Betölti mégis az űrlapot az eszközbe?</source>
        <translation>%1

The module&apos;s current configuration was not saved in the register. Download the form into the device anyway?</translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation>Read out before download</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::ReadOutController</name>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::StatusController</name>
    <message>
        <source>Állapot lekérdezése...</source>
        <translation>Querying status...</translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qv::transfer::gui::dload</name>
    <message>
        <source>Betöltés hiba.
Tipp: ellenőrizze az eszközt és a port beállítást.</source>
        <translation>Download error.
Tip: check the device and the port setting.</translation>
    </message>
    <message>
        <source>Sikeres betöltés.</source>
        <translation>Download complete.</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrzés...</source>
        <translation>Download complete.
Verifying...</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés megszakítva.</source>
        <translation>Download complete.
Verification cancelled.</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Az ellenőrzés nem sikerült.</source>
        <translation>Download complete.
Verification failed.</translation>
    </message>
    <message>
        <source>Hiba</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
Ellenőrizve.</source>
        <translation>Download complete.
Verified.</translation>
    </message>
    <message>
        <source>Sikeres betöltés.
A modul mást tárol!</source>
        <translation>Download complete.
The module stores different values!</translation>
    </message>
    <message>
        <source>Elküldve</source>
        <extracomment>Column of the differences: what was sent to the module.</extracomment>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Betöltés</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Betöltés folyamatban...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>Ellenőrzés betöltés után</source>
        <translation>Verify after download</translation>
    </message>
    <message>
        <source>Kiolvasás betöltés előtt</source>
        <translation>Read out before download</translation>
    </message>
    <message>
        <source>A következő betöltések előtt a modul konfigurációja kiolvasva a nyilvántartásba kerül.</source>
        <translation>Before the next downloads, the module&apos;s configuration is read out into the register.</translation>
    </message>
</context>
<context>
    <name>qv::watch</name>
    <message>
        <source>A fájl nem állapotfigyelési napló: az első sora nem a napló fejléce.</source>
        <translation>The file is not a status watch log: its first line is not the log&apos;s header.</translation>
    </message>
    <message>
        <source>A napló (%1) nem fájl, vagy nem található.</source>
        <translation>The log (%1) is not a file, or it is not found.</translation>
    </message>
    <message>
        <source>A napló (%1) nem nyitható meg: %2</source>
        <translation>The log (%1) cannot be opened: %2</translation>
    </message>
    <message>
        <source>A napló (%1) túl nagy: %2 MB.</source>
        <translation>The log (%1) is too large: %2 MB.</translation>
    </message>
    <message>
        <source>bemenet %1 aktív</source>
        <translation>input %1 active</translation>
    </message>
    <message>
        <source>bemenet %1 inaktív</source>
        <translation>input %1 inactive</translation>
    </message>
    <message>
        <source>kimenet %1 be</source>
        <translation>output %1 on</translation>
    </message>
    <message>
        <source>kimenet %1 ki</source>
        <translation>output %1 off</translation>
    </message>
    <message>
        <source>tápfeszültség visszatért</source>
        <translation>supply voltage back</translation>
    </message>
    <message>
        <source>tápfeszültség megszűnt</source>
        <translation>supply voltage lost</translation>
    </message>
    <message>
        <source>gyenge térerő (%1)</source>
        <translation>weak signal (%1)</translation>
    </message>
    <message>
        <source>térerő ismét megfelelő (%1)</source>
        <translation>signal good again (%1)</translation>
    </message>
    <message>
        <source>a modul nem válaszol</source>
        <translation>the module does not answer</translation>
    </message>
    <message>
        <source>a modul ismét válaszol</source>
        <translation>the module answers again</translation>
    </message>
    <message>
        <source>a port eltűnt (kihúzott adapter?), a figyelés várakozik</source>
        <translation>the port is gone (adapter pulled out?), the watch waits</translation>
    </message>
    <message>
        <source>a port visszatért</source>
        <translation>the port is back</translation>
    </message>
    <message>
        <source>a port nem nyitható meg: %1</source>
        <translation>the port cannot be opened: %1</translation>
    </message>
    <message>
        <source>nincs jel</source>
        <translation>no signal</translation>
    </message>
    <message>
        <source>gyenge</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>elfogadható</source>
        <translation>fair</translation>
    </message>
    <message>
        <source>közepes</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>jó</source>
        <translation>good</translation>
    </message>
    <message>
        <source>kiváló</source>
        <translation>excellent</translation>
    </message>
    <message>
        <source>nincs adat</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>érvénytelen</source>
        <translation>invalid</translation>
    </message>
    <message>
        <source>térerő: min. %1, medián %2, max. %3</source>
        <translation>signal: min. %1, median %2, max. %3</translation>
    </message>
    <message>
        <source>térerő: nincs adat</source>
        <translation>signal: no data</translation>
    </message>
    <message>
        <source>Időtartam: %1, minták: %2 (hiányzó: %3), %4, események: %5</source>
        <translation>Duration: %1, samples: %2 (missing: %3), %4, events: %5</translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::SignalMeter</name>
    <message>
        <source>Térerő</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>nincs adat</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>az utolsó perc</source>
        <translation>the last minute</translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::TrendPlot</name>
    <message>
        <source>Görgő: nagyítás, húzás: görgetés, dupla kattintás: a teljes figyelés</source>
        <translation>Wheel: zoom, drag: pan, double click: the whole watch</translation>
    </message>
    <message>
        <source>Térerő</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Analóg (V)</source>
        <translation>Analog (V)</translation>
    </message>
    <message>
        <source>Számláló</source>
        <translation>Counter</translation>
    </message>
    <message>
        <source>Kimenet %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Bemenet %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Tápfeszültség</source>
        <translation>Supply voltage</translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::WatchController</name>
    <message>
        <source>A figyelés naplója nem írható (%1): a figyelés megy, de a napló nem menthető.</source>
        <translation>The watch log cannot be written (%1): the watch goes on, but its log cannot be saved.</translation>
    </message>
    <message>
        <source>A figyelés naplója nem írható tovább (%1): a figyelés megy, de a mentett napló nem lesz teljes.</source>
        <translation>The watch log cannot be written any more (%1): the watch goes on, but a saved log will not be complete.</translation>
    </message>
    <message>
        <source>A(z) %1 porton állapotfigyelés fut, a sorozat nem indulhat el rajta. Állítsa le a figyelést (Eszköz → Állapot figyelése…, Leállítás), majd indítsa a sorozatot.</source>
        <translation>A status watch is running on the port %1, so the series cannot start on it. Stop the watch (Device → Watch status…, Stop), then start the series.</translation>
    </message>
    <message>
        <source>Nincs menthető napló: %1</source>
        <translation>There is no log to save: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n sor nem olvasható, kimaradt (az első a(z) %1. sor).</source>
        <translation>
            <numerusform>%n row cannot be read and was left out (line %1).</numerusform>
            <numerusform>%n rows cannot be read and were left out (the first is line %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>A napló csak a legutóbbi mintáival látszik.</source>
        <translation>Only the latest samples of the log are shown.</translation>
    </message>
</context>
<context>
    <name>qv::watch::gui::WatchDialog</name>
    <message>
        <source>Állapot figyelése</source>
        <translation>Watch status</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Ennyi időnként kérdezi le a modul állapotát. Egy lekérdezés kb. fél másodpercig tart a vonalon: ennél sűrűbben nem lehet.</source>
        <translation>How often the module&apos;s status is queried. One query takes about half a second on the line: it cannot be done more often than that.</translation>
    </message>
    <message>
        <source>Indítás</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Leállítás</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hangjelzés a térerővel</source>
        <translation>Sound the signal</translation>
    </message>
    <message>
        <source>Minden mintánál rövid hang: minél jobb a térerő, annál magasabb; gyenge térerőnél két mély hang.</source>
        <translation>A short tone for every sample: the better the signal, the higher the tone; two low tones for a weak signal.</translation>
    </message>
    <message>
        <source>Jelenlegi állapot</source>
        <translation>Current status</translation>
    </message>
    <message>
        <source>Kimenetek:</source>
        <translation>Outputs:</translation>
    </message>
    <message>
        <source>Bemenetek:</source>
        <translation>Inputs:</translation>
    </message>
    <message>
        <source>Tápfeszültség:</source>
        <translation>Supply:</translation>
    </message>
    <message>
        <source>Analóg bemenet:</source>
        <translation>Analog input:</translation>
    </message>
    <message>
        <source>Számláló:</source>
        <translation>Counter:</translation>
    </message>
    <message>
        <source>Verzió:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Utolsó minta:</source>
        <translation>Last sample:</translation>
    </message>
    <message>
        <source>Események másolása</source>
        <translation>Copy events</translation>
    </message>
    <message>
        <source>Napló mentése…</source>
        <translation>Save log…</translation>
    </message>
    <message>
        <source>Napló megnyitása…</source>
        <translation>Open log…</translation>
    </message>
    <message>
        <source>Bezárás</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Időköz:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>Események:</source>
        <translation>Events:</translation>
    </message>
    <message>
        <source>A modul nem válaszol (5 másodperc csend). A figyelés %1 s-onként újra kérdezi.</source>
        <translation>The module does not answer (5 seconds of silence). The watch asks again every %1 s.</translation>
    </message>
    <message>
        <source>A port nem nyitható meg (%1). A figyelés %2 s-onként újra próbálja.</source>
        <translation>The port cannot be opened (%1). The watch tries again every %2 s.</translation>
    </message>
    <message>
        <source>Sorozatprogramozás fut: a port a sorozaté, a figyelés nem indítható.</source>
        <translation>Series programming is running: the port is the series&apos;, the watch cannot start.</translation>
    </message>
    <message>
        <source>Leállítva.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Nem fut.</source>
        <translation>Not running.</translation>
    </message>
    <message>
        <source>Szünetel, amíg %1 tart.</source>
        <translation>Paused during %1.</translation>
    </message>
    <message>
        <source>Figyelés %1 s-onként a(z) %2 porton.</source>
        <translation>Watching every %1 s on the port %2.</translation>
    </message>
    <message>
        <source>A port eltűnt (kihúzott adapter?): a figyelés szünetel, és folytatódik, amint a port visszatér.</source>
        <translation>The port is gone (adapter pulled out?): the watch is paused and goes on as soon as the port comes back.</translation>
    </message>
    <message>
        <source>Napló mentése</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>CSV napló (*.csv)</source>
        <translation>CSV log (*.csv)</translation>
    </message>
    <message>
        <source>A napló nem menthető (%1): %2</source>
        <translation>The log cannot be saved (%1): %2</translation>
    </message>
    <message>
        <source>Napló megnyitása</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>Megnyitott napló: %1</source>
        <translation>Log opened: %1</translation>
    </message>
    <message>
        <source>Nincs hangkimenet: a hangjelzés nem szólhat.</source>
        <translation>No audio output: the signal cannot be sounded.</translation>
    </message>
</context>
</TS>
