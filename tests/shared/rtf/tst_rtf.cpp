// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"

#include <QDeadlineTimer>
#include <QTest>

using namespace Qt::StringLiterals;
using Status = RtfReadResult::Status;

namespace {

QByteArray rtf(const QByteArray &body)
{
    return "{\\rtf1\\ansi " + body + '}';
}

// A document as text, each run led by '*' when bold and '|' otherwise.
QString shown(const RichText &doc)
{
    QString text;
    for (const RichTextRun &run : doc)
        text += (run.bold ? u'*' : u'|') + run.text;
    return text;
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
)"_ba;

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
)"_ba;

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("expected");
        QTest::newRow("WordPad") << kWordPadLog << Status::Ok
                                 << u"*\n[mardi 12 mars 2024 - 10:05:17]\n|Vorelle: L’ANNONCE\n"
                                    u"Joueur: RENÉE\nTemps de jeu: 00:03:12\nAnnonce de départ: 7\n"
                                    u"Résultat de la partie: GAGNE\n\n"_s;
        QTest::newRow("LibreOffice") << kLibreOfficeLog << Status::Ok
                                     << u"*\n[mardi 12 mars 2024 - 10:05:17]|\nVorelle: CARNAVAL "
                                        u"A RIO\nJoueur: JÉRÔME – Я😀\nRésultat de la partie: "
                                        u"GAGNE\n\n"_s;
        QTest::newRow("bold in groups, kept by pard, ended by plain")
            << rtf("a{\\b b{\\b0 c}d}e\\b1 f\\pard g\\plain h\\b i\\b0 j") << Status::Ok
            << u"|a*b|c*d|e*fg|h*i|j"_s;
        QTest::newRow("breaks and symbols")
            << rtf("a\\par b\\line c\\tab d\\~e\\_f\\-g\\{\\}\\\\\r\nh\\\ni") << Status::Ok
            << u"|a\nb\nc\td\u00A0e\u2011fg{}\\h\ni"_s;
        QTest::newRow("hex in cp1252") << rtf("\\'e9\\'80\\'8a\\'92\\'96\\'97\\'9c\\'9f\\'0d")
                                       << Status::Ok << u"|é€Š’–—œŸ\r"_s;
        QTest::newRow("hex in another code page")
            << rtf("\\ansicpg1251\\'e9\\'80") << Status::Ok << u"|\u00E9\u0080"_s;
        QTest::newRow("unicode out of range and with skip counts")
            << rtf("\\u99999999999999999999?a\\u-99999?b\\u233?\\u-10179?\\u-8704?\\u8364\\b y"
                   "\\uc2\\u1071\\'3f\\'3fx{\\uc3\\u1071?}z\\u1071{w}")
            << Status::Ok << u"|abé😀€yЯxЯzЯw"_s;
        QTest::newRow("skipped destinations")
            << rtf("{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\*\\unknown{\\b x}}{\\info{"
                   "\\title t}}{\\pict\\bin4 }}{{}{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt "
                   "lien}}")
            << Status::Ok << u"|lien"_s;
        QTest::newRow("empty") << ""_ba << Status::Ok << QString();
        // Only a file without a byte is an empty log: a crash of the file system leaves these.
        QTest::newRow("blank") << " \r\n"_ba << Status::NotRtf << QString();
        QTest::newRow("NUL bytes") << QByteArray(512, '\0') << Status::NotRtf << QString();
        QTest::newRow("byte order mark and trailing blanks")
            << "\xEF\xBB\xBF{\\rtf1 a}\r\n\0\0"_ba << Status::Ok << u"|a"_s;
        QTest::newRow("not at the start") << "<html>{\\rtf1 a}"_ba << Status::NotRtf << QString();
        QTest::newRow("truncated") << "{\\rtf1 abc{\\b d"_ba << Status::Damaged << u"|abc*d"_s;
        QTest::newRow("truncated escape") << "{\\rtf1 abc\\'e"_ba << Status::Damaged << u"|abc"_s;
        QTest::newRow("stray brace") << "{\\rtf1 A}B\\par{}C}"_ba << Status::Damaged << u"|AB\nC"_s;
        QTest::newRow("binary past the end")
            << "{\\rtf1 a\\bin99999999999999 b}"_ba << Status::Damaged << u"|a"_s;
        QTest::newRow("too deep") << "{\\rtf1 " + QByteArray(5000, '{') + 'x' +
                                         QByteArray(5000, '}') + "y}"
                                  << Status::Damaged << u"|xy"_s;
    }

    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(Status, status);
        QFETCH(QString, expected);
        const RtfReadResult read = readRtf(file);
        QCOMPARE(read.status, status);
        QCOMPARE(shown(read.text), expected);
        const QString messages[] = {
            QString(), u"Le fichier n'est pas au format RTF."_s,
            u"Le fichier est endommagé : seule une partie a pu être lue."_s};
        QCOMPARE(read.message, messages[int(status)]);
    }

    // Other readers, LibreOffice among them, must see the same text: the writer keeps to the
    // escapes every reader knows, for syntax, controls, cp1252 and what lies outside it.
    void writesPortableRtf()
    {
        const RichText doc{{u"x"_s, true}, {u"A}B\\par{\n b é€’\r\t\u0081Я😀"_s, false}};
        const QByteArray file = writeRtf(doc);
        QVERIFY2(file.endsWith("\\b x\\b0 A\\}B\\\\par\\{\\par\n b \\'e9\\'80\\'92\\'0d\\tab "
                               "\\u129?\\u1071?\\u-10179?\\u-8704?}\n"),
                 file.constData());
        QCOMPARE(readRtf(file).text, doc);
    }

    // A step that is not linear would take minutes on these; reading takes milliseconds.
    void staysLinearOnHostileInput()
    {
        const std::pair<QByteArray, QByteArray> cases[] = {
            {"", "{"},   {"", "}"},    {"\\", "b"},     {"\\u", "9"}, {"\\uc999999999\\u1 {", "x"},
            {"", "\\'"}, {"", "{\\*"}, {"", "\\bin1 x"}};
        for (const auto &[head, unit] : cases) {
            const QDeadlineTimer deadline(5000);
            readRtf("{\\rtf1 " + head + unit.repeated((4 << 20) / unit.size()));
            QVERIFY2(!deadline.hasExpired(), head + unit);
        }
    }
};

QTEST_APPLESS_MAIN(TestRtf)
#include "tst_rtf.moc"
