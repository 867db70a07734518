// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/htmlexport.h"

#include "shared/recordlog.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

void appendEscaped(QString &html, QStringView text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'<':
            html += QLatin1String("&lt;");
            break;
        case u'>':
            html += QLatin1String("&gt;");
            break;
        case u'&':
            html += QLatin1String("&amp;");
            break;
        case u'"':
            html += QLatin1String("&quot;");
            break;
        case u'\'':
            html += QLatin1String("&#39;");
            break;
        default:
            html += c;
        }
    }
}

QString escaped(const QString &text)
{
    QString html;
    appendEscaped(html, text);
    return html;
}

// Collects the log's lines, each with whether every one of its characters is bold.
class LineWriter {
public:
    explicit LineWriter(QString &html) : m_html(html) {}

    void addText(QStringView text, bool bold)
    {
        if (text.isEmpty())
            return;
        appendEscaped(m_line, text);
        m_allBold = m_allBold && bold;
        m_empty = false;
    }

    void endLine(bool breakBold)
    {
        const bool bold = m_empty ? breakBold : m_allBold;
        if (bold)
            m_html += QLatin1String("<b>") + m_line + QLatin1String("</b><br>") + CrLf;
        else
            m_html += m_line + QLatin1String("<br>") + CrLf;
        m_line.clear();
        m_allBold = true;
        m_empty = true;
        ++m_lines;
    }

    // The text after the last line break is a line unless it is empty; an empty log is one
    // empty line.
    void finish()
    {
        if (!m_empty || m_lines == 0)
            endLine(false);
    }

private:
    QString &m_html;
    QString m_line;
    bool m_allBold = true;
    bool m_empty = true;
    qsizetype m_lines = 0;
};

} // namespace

QString HistoryPage(const RichText &log, const HistoryPageFacts &facts)
{
    qsizetype logSize = 0;
    for (const RichTextRun &run : log)
        logSize += run.text.size();

    QString html;
    html.reserve(logSize * 2 + 4096);
    html += QStringLiteral(
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv='content-type' content='text/html; charset=utf-8'>\r\n"
        "<title>VORELLES</title>\r\n"
        "<meta name='author' content='Les développeurs de Vorelles'>\r\n"
        "<meta name='keywords' content='vorelles, patience, réussite, cartes'>\r\n"
        "<meta name='description' content='VORELLES: jouez aux vorelles. un moment de "
        "détente.'>\r\n"
        "<style>\r\n"
        "<!--\r\n"
        "a { font-family:'Arial Narrow'; font-style:normal; font-weight:normal; font-size:10pt; "
        "color:blue; text-decoration:none; }\r\n"
        "a:hover { font-family:'Arial Narrow'; font-style:normal; font-weight:normal; "
        "font-size:10pt; color:red; text-decoration:underline; }\r\n"
        "-->\r\n"
        "</style>\r\n"
        "</head>\r\n"
        "<body bgcolor='white' text='black'>\r\n"
        "<table BORDER=0 CELLSPACING=0 WIDTH='100%'>"
        "<tr><td WIDTH='80%' BGCOLOR='#000000' align='left' valign='middle'><b><font "
        "color='#FFFFFF'><font size=+1>&nbsp;VORELLES</font></font></b></td>"
        "<td WIDTH='20%' align='center' valign='middle'>"
        "<p align='center'><font face='Arial' size='2'><b>HISTORIQUE DES PARTIES</b>"
        "</font></td>"
        "</tr>"
        "</table>"
        "<hr size='1' color='#000000'>\r\n"
        "<font face='Arial' size='2'>\r\n");

    LineWriter lines(html);
    for (const RichTextRun &run : log) {
        const QStringView text(run.text);
        qsizetype start = 0;
        for (qsizetype end = text.indexOf(u'\n'); end >= 0;
             start = end + 1, end = text.indexOf(u'\n', start)) {
            lines.addText(text.sliced(start, end - start), run.bold);
            lines.endLine(run.bold);
        }
        lines.addText(text.sliced(start), run.bold);
    }
    lines.finish();

    html += QStringLiteral("</font><hr size='1' color='#000000'>\r\n"
                           "<table border='0' width='100%'>\r\n"
                           "<tr>\r\n"
                           "<td width='50%' align='left' valign='top'>\r\n"
                           "<p><font size='2'>VORELLES, version ") +
            escaped(facts.version) + QStringLiteral(" — © Les développeurs de Vorelles, ") +
            QString::number(facts.created.date().year()) + QStringLiteral("</font>") + CrLf +
            QStringLiteral("<p><font size='2'>Pour toute question sur le jeu, consultez l'<a "
                           "href='") +
            escaped(facts.helpUrl) + QStringLiteral("'>aide de Vorelles</a>.</font></p>") + CrLf +
            QStringLiteral(" </td>\r\n"
                           "<td width='50%' align='right' valign='top'>\r\n"
                           "<p align='right'><font face='Arial' size='2'>Fichier "
                           "cr&eacute;&eacute; le ") +
            escaped(RecordDate(facts.created, RecordLocale())) +
            QStringLiteral("</font></td>\r\n"
                           "</tr>\r\n"
                           "</table>\r\n"
                           "</body>\r\n"
                           "</html>\r\n"
                           "\r\n");
    return html;
}
