#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using Status = RtfReadResult::Status;

// Keeps NUL bytes, which QByteArray's C string constructor would stop at.
QByteArray operator""_bytes(const char *data, std::size_t size)
{
    return QByteArray(data, qsizetype(size));
}

// Lets QCOMPARE show the run where two documents part.
char *toString(const RichTextRun &run)
{
    return QTest::toString((run.bold ? u"gras "_s : u"normal "_s) + run.text);
}

namespace {

QByteArray rtf(const QByteArray &body)
{
    return "{\\rtf1\\ansi " + body + '}';
}

// A log as Windows' rich-text control saves it: code page 1252, font and colour tables.
const QByteArray kWordPadLog =
    R"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2\fcharset0 Times New Roman;}}
{\colortbl ;\red255\green0\blue0;\red0\green0\blue128;}
{\*\generator Msftedit 5.41.21.2510;}\viewkind4\uc1\pard\b\f0\fs20\par
[mardi 12 mars 2024 - 10:05:17]\par
\b0 Vorelle: L\'92ANNONCE\par
Joueur: REN\'c9E\par
Temps de jeu: 00:03:12\par
Annonce de d\'e9part: 7\par
R\'e9sultat de la partie: \cf1 GAGNE\cf0\par
\par
}
)"_bytes;

// A log opened and saved again in LibreOffice Writer 7.4: styles, document information,
// complex-script attributes beside \b, \uN with a code page fallback or none.
const QByteArray kLibreOfficeLog = R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}}
{\colortbl;\red0\green0\blue0;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\rtlch\af3\afs24\alang1081\ltrch\hich\af3\afs24\alang1036\loch\widctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang1036 Normal;}
{\*\cs15\snext15\rtlch\ab \ltrch\loch\b Strong;}}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr2024\mo3\dy12\hr10\min5}{\revtim\yr2024\mo3\dy12\hr10\min6}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\pgdscnxt0 Default Page Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc\htmautsp
{\*\ftnsep\chftnsep}{\header\pard\plain \s0\loch\b Page}\pgndec\pard\plain \s0\rtlch\af3\afs24\ltrch\hich\af3\afs24\loch\widctlpar\cf0\f3\fs24\lang1036\ql\ltrpar\hich\af2\loch\fs20\b\f2\loch

\par \pard\plain \s0\rtlch\af3\afs24\ltrch\loch\f3\fs24\ql\ltrpar{\rtlch\ab \ltrch\loch\b
[mardi 12 mars 2024 - 10:05:17]}
\par \pard\plain \s0\rtlch\af3\afs24\ltrch\loch\f3\fs24\ql\ltrpar{\rtlch\ab \ltrch\loch
Vorelle: CARNAVAL A RIO}
\par \pard\plain \s0\rtlch\af3\afs24\ltrch\loch\f3\fs24\ql\ltrpar{\rtlch \ltrch\loch
Joueur: J\u201\'c9R\u212\'d4ME \u8211\'96 \u1071\'3f\uc0 \u55357\uc1 \u56832\'3f}
\par \pard\plain \s0\rtlch\af3\afs24\ltrch\loch\f3\fs24\ql\ltrpar{\rtlch \ltrch\loch
R\u233\'e9sultat de la partie: GAGNE}
\par \pard\plain \s0\rtlch\af3\afs24\ltrch\loch\f3\fs24\ql\ltrpar\loch

\par }
)"_bytes;

// Pieces that stress the escapes: RTF syntax, controls, both halves of cp1252, a C1 control,
// Cyrillic, an emoji (a surrogate pair) and a lone surrogate.
const QString kPieces[] = {u"a"_s,  u"Z9 "_s, u"\\"_s,     u"{"_s,  u"}"_s, u"\\par{"_s,
                           u"\r"_s, u"\n"_s,  u"\t"_s,     u"\0"_s, u"é"_s, u"ÿ"_s,
                           u"€"_s,  u"’"_s,   u"\u0081"_s, u"Я"_s,  u"😀"_s, QString(QChar(0xDC00)),
                           u"?"_s};

RichText randomDocument(QRandomGenerator &rng)
{
    RichText doc;
    for (int runs = rng.bounded(8); runs > 0; --runs) {
        QString text;
        for (int n = rng.bounded(12); n > 0; --n)
            text += kPieces[rng.bounded(int(std::size(kPieces)))];
        appendText(doc, text, rng.bounded(2) == 1);
    }
    return doc;
}

// One random change of the kinds damaged files show: a changed byte, a cut, a deletion, or an
// inserted syntax fragment, made-up control word with a number of any size, or brace run.
void damage(QByteArray &file, QRandomGenerator &rng)
{
    static const QList<QByteArray> fragments =
        QByteArray("{|}|\\|\\'|{\\*|\\bin99999999 |\\uc99999 \\u1|\\u-99999999999|\\b|\\plain ")
            .split('|');
    QByteArray word = "\\";
    for (int n = 1 + rng.bounded(40); n > 0; --n)
        word += char('a' + rng.bounded(26));
    word += QByteArray::number(rng.generate64() >> rng.bounded(64)) + ' ';
    const QByteArray inserts[] = {fragments[rng.bounded(int(fragments.size()))], word,
                                  QByteArray(rng.bounded(3000), rng.bounded(2) ? '{' : '}')};
    const int at = rng.bounded(int(file.size()) + 1);
    switch (rng.bounded(4)) {
    case 0:
        if (at < file.size())
            file[at] = char(rng.bounded(256));
        break;
    case 1:
        file.truncate(at);
        break;
    case 2:
        file.remove(at, rng.bounded(64));
        break;
    default:
        file.insert(at, inserts[rng.bounded(3)]);
    }
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reads_data();
    void reads();
    void writesPortableEscapes_data();
    void writesPortableEscapes();
    void roundTripsAnyText();
    void survivesDamagedLogs();
    void staysLinearOnHostileInput();
};

void TestRtf::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Status>("status");
    QTest::addColumn<RichText>("expected");
    QTest::newRow("WordPad") << kWordPadLog << Status::Ok
                             << RichText{
                                    {u"\n[mardi 12 mars 2024 - 10:05:17]\n"_s, true},
                                    {u"Vorelle: L’ANNONCE\nJoueur: RENÉE\nTemps de jeu: 00:03:12\n"
                                     u"Annonce de départ: 7\nRésultat de la partie: GAGNE\n\n"_s,
                                     false}};
    QTest::newRow("LibreOffice") << kLibreOfficeLog << Status::Ok
                                 << RichText{{u"\n[mardi 12 mars 2024 - 10:05:17]"_s, true},
                                             {u"\nVorelle: CARNAVAL A RIO\nJoueur: JÉRÔME – Я😀\n"
                                              u"Résultat de la partie: GAGNE\n\n"_s,
                                              false}};
    QTest::newRow("bold scoped to groups")
        << rtf("a{\\b b{\\b0 c}d}e") << Status::Ok
        << RichText{
               {u"a"_s, false}, {u"b"_s, true}, {u"c"_s, false}, {u"d"_s, true}, {u"e"_s, false}};
    QTest::newRow("pard keeps bold, plain ends it")
        << rtf("\\b1 a\\pard b\\plain c\\b d\\b0 e") << Status::Ok
        << RichText{{u"ab"_s, true}, {u"c"_s, false}, {u"d"_s, true}, {u"e"_s, false}};
    QTest::newRow("breaks and symbols")
        << rtf("a\\par b\\line c\\tab d\\~e\\_f\\-g\\{\\}\\\\\r\nh\\\ni") << Status::Ok
        << RichText{{u"a\nb\nc\td\u00A0e\u2011fg{}\\h\ni"_s, false}};
    QTest::newRow("hex in cp1252") << rtf("\\'e9\\'80\\'8a\\'92\\'96\\'97\\'9c\\'9f\\'0d")
                                   << Status::Ok << RichText{{u"é€Š’–—œŸ\r"_s, false}};
    QTest::newRow("hex in another code page")
        << rtf("\\ansicpg1251\\'e9\\'80") << Status::Ok << RichText{{u"\u00E9\u0080"_s, false}};
    QTest::newRow("unicode with skip counts")
        << rtf("\\u233?\\u-10179?\\u-8704?\\u8364\\b y"
               "\\uc2\\u1071\\'3f\\'3fx{\\uc3\\u1071?}z\\u1071{w}")
        << Status::Ok << RichText{{u"é😀€yЯxЯzЯw"_s, false}};
    QTest::newRow("unicode out of range")
        << rtf("\\u99999999999999999999?a\\u-99999?b") << Status::Ok << RichText{{u"ab"_s, false}};
    QTest::newRow("skipped destinations")
        << rtf("{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\*\\unknown{\\b x}}{\\info{\\title "
               "t}}"
               "{\\pict\\bin4 }}{{}{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt lien}}")
        << Status::Ok << RichText{{u"lien"_s, false}};
    QTest::newRow("empty") << QByteArray() << Status::Ok << RichText();
    QTest::newRow("blank") << " \r\n"_bytes << Status::Ok << RichText();
    QTest::newRow("byte order mark and trailing blanks")
        << "\xEF\xBB\xBF{\\rtf1 a}\r\n\0\0"_bytes << Status::Ok << RichText{{u"a"_s, false}};
    QTest::newRow("plain text") << "Bonjour"_bytes << Status::NotRtf << RichText();
    QTest::newRow("html") << "<html>{\\rtf1 a}"_bytes << Status::NotRtf << RichText();
    QTest::newRow("truncated") << "{\\rtf1 abc{\\b d"_bytes << Status::Damaged
                               << RichText{{u"abc"_s, false}, {u"d"_s, true}};
    QTest::newRow("truncated escape")
        << "{\\rtf1 abc\\'e"_bytes << Status::Damaged << RichText{{u"abc"_s, false}};
    QTest::newRow("stray brace") << "{\\rtf1 A}B\\par{}C}"_bytes << Status::Damaged
                                 << RichText{{u"AB\nC"_s, false}};
    QTest::newRow("binary past the end")
        << "{\\rtf1 a\\bin99999999999999 b}"_bytes << Status::Damaged << RichText{{u"a"_s, false}};
    QTest::newRow("too deep") << "{\\rtf1 " + QByteArray(5000, '{') + 'x' + QByteArray(5000, '}') +
                                     "y}"
                              << Status::Damaged << RichText{{u"xy"_s, false}};
}

void TestRtf::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(Status, status);
    QFETCH(RichText, expected);
    const RtfReadResult read = readRtf(file);
    QCOMPARE(read.status, status);
    QCOMPARE(read.text, expected);
    const QString messages[] = {QString(), u"Le fichier n'est pas au format RTF."_s,
                                u"Le fichier est endommagé : seule une partie a pu être lue."_s};
    QCOMPARE(read.message, messages[int(status)]);
}

// Other readers, LibreOffice among them, must see the same text: the writer keeps to the
// encodings every reader knows.
void TestRtf::writesPortableEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("braces and backslash") << u"A}B\\par{"_s << "A\\}B\\\\par\\{"_bytes;
    QTest::newRow("line break") << u"a\n b"_s << "a\\par\n b"_bytes;
    QTest::newRow("cp1252") << u"é€’"_s << "\\'e9\\'80\\'92"_bytes;
    QTest::newRow("controls") << u"\r\t\u0081"_s << "\\'0d\\tab \\u129?"_bytes;
    QTest::newRow("outside cp1252") << u"Я😀"_s << "\\u1071?\\u-10179?\\u-8704?"_bytes;
}

void TestRtf::writesPortableEscapes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoded);
    const RichText doc{{u"x"_s, true}, {text, false}};
    const QByteArray rtf = writeRtf(doc);
    QVERIFY2(rtf.endsWith("\\b x\\b0 " + encoded + "}\n"), rtf.constData());
}

void TestRtf::roundTripsAnyText()
{
    QRandomGenerator rng(1252);
    for (int i = 0; i < 3000; ++i) {
        const RichText doc = randomDocument(rng);
        const RtfReadResult read = readRtf(writeRtf(doc));
        QCOMPARE(read.status, Status::Ok);
        QCOMPARE(read.text, doc);
    }
}

void TestRtf::survivesDamagedLogs()
{
    RichText log;
    for (int i = 0; i < 20; ++i) {
        appendText(log, u"\n[mardi 12 mars 2024 - 10:05:%1]\n"_s.arg(i), true);
        appendText(log, u"Vorelle: PYRAMIDE\nJoueur: A}B\\par{ É€Я😀\nRésultat: GAGNE\n\n"_s, false);
    }
    const QByteArray original = writeRtf(log);
    QRandomGenerator rng(1995);
    for (int i = 0; i < 3000; ++i) {
        QByteArray file = original;
        for (int n = 1 + rng.bounded(4); n > 0; --n)
            damage(file, rng);
        const RtfReadResult read = readRtf(file);
        QVERIFY(plainText(read.text).size() <= file.size());
        QVERIFY(read.status != Status::NotRtf || read.text.isEmpty());
        for (qsizetype r = 0; r < read.text.size(); ++r)
            QVERIFY(!read.text[r].text.isEmpty() &&
                    (r == 0 || read.text[r].bold != read.text[r - 1].bold));
    }
}

// A step that is not linear would take minutes on these; reading takes milliseconds.
void TestRtf::staysLinearOnHostileInput()
{
    constexpr qsizetype kSize = 4 << 20;
    const QByteArray bodies[] = {QByteArray(kSize, '{'),
                                 QByteArray(kSize, '}') + "x",
                                 "\\" + QByteArray(kSize, 'b'),
                                 "\\u" + QByteArray(kSize, '9'),
                                 "\\uc999999999\\u1 {" + QByteArray(kSize, 'x'),
                                 QByteArray("\\'").repeated(kSize / 2),
                                 QByteArray("{\\*").repeated(kSize / 3),
                                 QByteArray("\\bin1 x").repeated(kSize / 7)};
    for (const QByteArray &body : bodies) {
        QElapsedTimer timer;
        timer.start();
        readRtf("{\\rtf1 " + body);
        QVERIFY2(timer.elapsed() < 5000, body.left(20).constData());
    }
}

QTEST_APPLESS_MAIN(TestRtf)
#include "tst_rtf.moc"
