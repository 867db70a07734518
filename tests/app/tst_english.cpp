// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "app/translations.h"
#include "catalog/gamecatalog.h"
#include "options/frmoptions.h"
#include "settings/settingkeys.h"
#include "shared/helppage.h"
#include "statistics/statisticstable.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// French words and letters English never uses; the games' names, proper names, are taken out
// first, as is the language list's "Français".
bool looksFrench(QString text)
{
    // The longest names first: "Duo" is in "Duo de rêve".
    QStringList names = GameCatalog::GameNames();
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &name : std::as_const(names))
        text.remove(name, Qt::CaseInsensitive);
    text.remove(u"Français"_s);
    text.remove(u'&'); // access keys
    static const QRegularExpression french(
        uR"([àâçéèêëîïôœùûü]|\b(le|la|les|de|des|du|un|une|et|sur|pour|vous|carte|cartes|jeu|)"
        uR"(partie|donne|fichier|temps|nom|joueur|aide|jouer|quitter|distribuer|pioche)\b)"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return text.contains(french);
}

// Every text a widget under root shows, tells or says to a screen reader, the names and places
// of the table's pictures included.
QStringList shownTexts(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : std::as_const(widgets)) {
        texts << widget->windowTitle() << widget->toolTip() << widget->accessibleName()
              << widget->accessibleDescription() << widget->statusTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    for (CardTable *table : root->findChildren<CardTable *>()) {
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table);
        for (int i = 0; i < view->childCount(); ++i) {
            texts << view->child(i)->text(QAccessible::Name)
                  << view->child(i)->text(QAccessible::Description);
        }
    }
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

QStringList frenchAmong(const QStringList &texts)
{
    QStringList french;
    for (const QString &text : texts) {
        if (looksFrench(text))
            french.append(text);
    }
    return french;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression marker(u"%\\d"_s);
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        InstallTranslations(*QCoreApplication::instance(), Language::English);
        QCOMPARE(QCoreApplication::translate("GameForm", "&Jouer"), u"&Play"_s);
    }

    // Every entry is translated; the translation keeps the source's placeholders, its access
    // key and the spaces at its ends (fragments are joined to other texts).
    void catalogueIsComplete()
    {
        QFile file(QStringLiteral(VORELLES_TS_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        int entries = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == "name"_L1) {
                context = xml.readElementText();
            } else if (xml.name() == "source"_L1) {
                source = xml.readElementText();
            } else if (xml.name() == "translation"_L1) {
                ++entries;
                const bool unfinished = xml.attributes().value("type"_L1) == "unfinished"_L1;
                const QString english = xml.readElementText();
                const auto ends = [](const QString &text) {
                    return std::pair(text.startsWith(u' '), text.endsWith(u' '));
                };
                if (unfinished || english.isEmpty() ||
                    placeholders(source) != placeholders(english) ||
                    source.contains(u'&') != english.contains(u'&') ||
                    ends(source) != ends(english))
                    faults.append(context + u": "_s + source + u" -> "_s + english);
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(entries > 400);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The main window and a game window, before JOUER and once the cards are up, hold no French
    // text; a screen reader hears the cards' English names.
    void mainAndGameWindowSpeakEnglish()
    {
        TestApp app;
        GameRegistry games{app.context};
        frmJeu jeu(app.context, games);
        QVERIFY(jeu.load());
        jeu.show();
        jeu.mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(u"Monte-Carlo"_s)));
        auto *game = qobject_cast<GameForm *>(jeu.gameWindow());
        QVERIFY(game);
        QStringList french = frenchAmong(shownTexts(&jeu));
        QVERIFY2(french.isEmpty(), qPrintable(french.join(u'\n')));

        game->button(u"Boutons(0)"_s)->click();
        const QStringList texts = shownTexts(&jeu);
        french = frenchAmong(texts);
        QVERIFY2(french.isEmpty(), qPrintable(french.join(u'\n')));
        QVERIFY(texts.indexOf(QRegularExpression(u"^(Ace|King|Two) of (Spades|Hearts)$"_s)) >= 0);
        QVERIFY(texts.contains(u"Grid, row 1, column 1"_s));
    }

    // L'annonce's calls show in English, while the game and its record keep them in French.
    void aGameListShowsEnglishAndTheRecordKeepsFrench()
    {
        TestApp app;
        GameRegistry games{app.context};
        frmJeu jeu(app.context, games);
        QVERIFY(jeu.load());
        jeu.mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(u"L'annonce"_s)));
        auto *game = qobject_cast<GameForm *>(jeu.gameWindow());
        QVERIFY(game);
        auto *calls = qobject_cast<QComboBox *>(game->control(u"cboAnnonce"_s));
        QVERIFY(calls);
        QCOMPARE(calls->itemText(0), u"ACE"_s);
        QCOMPARE(calls->itemText(12), u"KING"_s);
        QCOMPARE(game->rules().table().control(u"cboAnnonce"_s)->entries.constFirst(), u"AS"_s);
        calls->setCurrentIndex(12);
        Q_EMIT calls->activated(12);
        QCOMPARE(game->rules().controlText(u"cboAnnonce"_s), u"ROI"_s);
        QVERIFY(game->rules().statistic().join(u'\n').contains(u"ROI"_s));
    }

    // The statistics window says a streak in English; the CSV keeps the French.
    void aStreakIsEnglishOnScreenAndFrenchInTheCsv()
    {
        GameSummary summary;
        summary.played = 5;
        summary.won = 3;
        summary.currentStreak = 3;
        QCOMPARE(Statistics::shownCellText(summary, Statistics::CurrentStreakColumn), u"3 won"_s);
        QCOMPARE(Statistics::cellText(summary, Statistics::CurrentStreakColumn), u"3 gagnées"_s);
        summary.currentStreak = -1;
        QCOMPARE(Statistics::shownCellText(summary, Statistics::CurrentStreakColumn), u"1 lost"_s);
    }

    // The options write the chosen language, which the next start reads; they hold no French
    // text but the name of the language itself.
    void optionsChooseTheLanguage()
    {
        TestApp app;
        frmOptions dlg(app.context);
        const QStringList french = frenchAmong(shownTexts(&dlg));
        QVERIFY2(french.isEmpty(), qPrintable(french.join(u'\n')));
        dlg.cboLangue->setCurrentIndex(1);
        dlg.cmdValiderCouleurs->click();
        QCOMPARE(app.get(Settings::Langue), u"fr"_s);
        QCOMPARE(ChooseLanguage(app.get(Settings::Langue), QLocale(u"en_GB"_s)), Language::French);
        dlg.cboLangue->setCurrentIndex(0);
        dlg.cmdValiderCouleurs->click();
        QCOMPARE(ChooseLanguage(app.get(Settings::Langue), QLocale(u"fr_CA"_s)), Language::French);
        QCOMPARE(ChooseLanguage(app.get(Settings::Langue), QLocale(u"de_DE"_s)), Language::English);
        QCOMPARE(ChooseLanguage(app.get(Settings::Langue), QLocale::c()), Language::French);
    }

    // Help opens the English page where there is one, the French one otherwise.
    void helpOpensTheEnglishPage()
    {
        TestApp app;
        const QString english = app.createFile(u"en/aide/montecarlo.htm"_s);
        app.createFile(u"aide/montecarlo.htm"_s);
        const QString french = app.createFile(u"aide/options.htm"_s);
        QWidget owner;
        ShowHelpPage(&owner, u"montecarlo.htm"_s, app.context);
        ShowHelpPage(&owner, u"options.htm"_s, app.context);
        QCOMPARE(app.opener.opened, (QStringList{english, french}));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
