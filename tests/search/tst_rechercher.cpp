// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/frmrechercher.h"
#include "testapp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString SampleLog = u"Partie du 12/03/2024 : Montecarlo gagnée\nNombre de parties jouées: 3\n"
                          "partie perdue en 4 minutes\nPARTIE abandonnée"_s;

// Clicks "&Rechercher" until the end-of-search message, returning the start of every hit, or -1
// for a hit not selected or shown with the terms still editable.
QList<int> searchAll(frmRechercher &dialog, QTextEdit &view, FakeDialogs &dialogs)
{
    QList<int> hits;
    const qsizetype before = dialogs.shown.size();
    while (hits.size() < 20) {
        dialog.cmdRechercher->click();
        if (dialogs.shown.size() != before)
            break;
        const bool shown = dialog.cmdRechercher->text() == u"&Suivant"_s &&
                           dialog.cmdAnnuler->isEnabled() && !dialog.txtRecherche->isEnabled() &&
                           view.textCursor().selectedText().toLower() == u"partie"_s;
        hits.append(shown ? view.textCursor().selectionStart() : -1);
    }
    return hits;
}

} // namespace

class TestRechercher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionCombinations_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("none") << SampleLog << false << false << QList<int>{0, 51, 69, 96};
        QTest::newRow("case") << SampleLog << true << false << QList<int>{51, 69};
        QTest::newRow("whole word") << SampleLog << false << true << QList<int>{0, 69, 96};
        QTest::newRow("both") << SampleLog << true << true << QList<int>{69};
        QTest::newRow("inside a word only") << u"3 parties"_s << false << true << QList<int>{};
    }

    void optionCombinations()
    {
        QFETCH(QString, log);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(QList<int>, expected);
        TestApp app;
        QTextEdit view;
        view.setPlainText(log);
        frmRechercher dialog(&view, app.context);
        dialog.txtRecherche->setText(u"partie"_s);
        dialog.chkMajMin->setChecked(matchCase);
        dialog.chkMot->setChecked(wholeWord);

        // A first hit, then Annuler: the next round starts again from the top and from zero.
        dialog.cmdRechercher->click();
        dialog.cmdAnnuler->click();
        app.dialogs.shown.clear();
        for (int round = 1; round <= 2; ++round) {
            QCOMPARE(searchAll(dialog, view, app.dialogs), expected);
            QCOMPARE(app.dialogs.last().text,
                     expected.isEmpty()
                         ? u"Aucun texte correspondant à la recherche, n'a été trouvé."_s
                         : u"Le texte recherché a été trouvé: %1 fois."_s.arg(expected.size()));
            // Nothing under way: the terms, selected, can be changed; the caret is at the top.
            QVERIFY(dialog.cmdRechercher->text() == u"&Rechercher"_s &&
                    dialog.chkMot->isEnabled() && !dialog.cmdAnnuler->isEnabled() &&
                    dialog.chkMajMin->isEnabled() && dialog.txtRecherche->isEnabled() &&
                    dialog.txtRecherche->selectedText() == u"partie"_s);
            QVERIFY(view.textCursor().atStart() && !view.textCursor().hasSelection());
        }
    }

    void prefillKeysAndPointer()
    {
        TestApp app;
        const QString page = app.createFile(u"aide/rechercher.htm"_s);
        QTextEdit view;
        view.setPlainText(SampleLog);
        frmRechercher blank(&view, app.context);
        QVERIFY(blank.txtRecherche->text().isEmpty() && !blank.cmdRechercher->isEnabled());
        QCOMPARE(blank.chkMot->cursor().shape(), Qt::BitmapCursor);
        blank.show();
        QTest::keyClicks(blank.txtRecherche, u"as"_s);
        QVERIFY(blank.cmdRechercher->isEnabled());
        QTest::keyClick(blank.txtRecherche, Qt::Key_F1);
        QCOMPARE(app.opener.opened, QStringList{page});
        QString modal;
        QTimer::singleShot(0, this, [&modal] {
            if (QWidget *about = QApplication::activeModalWidget()) {
                modal = about->windowTitle();
                about->close();
            }
        });
        QTest::keyClick(blank.txtRecherche, Qt::Key_F2);
        QCOMPARE(modal, u"A propos de"_s);
        blank.txtRecherche->clear();
        QVERIFY(!blank.cmdRechercher->isEnabled());
        QTest::keyClick(&blank, Qt::Key_Escape);
        QVERIFY(!blank.isVisible());

        // A selection fills in its first line; without the cards file, the plain pointer.
        app.state.cardsFilePath.clear();
        QTextCursor selection = view.document()->find(u"Montecarlo"_s);
        selection.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        view.setTextCursor(selection);
        frmRechercher selected(&view, app.context);
        QCOMPARE(selected.txtRecherche->text(), u"Montecarlo gagnée"_s);
        QVERIFY(selected.cmdRechercher->isEnabled());
        QCOMPARE(selected.chkMot->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestRechercher)
#include "tst_rechercher.moc"
