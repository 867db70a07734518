#include "history/frmrechercher.h"
#include "testapp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString SampleLog = QStringLiteral("Partie du 12/03/2024 : Montecarlo gagnée\n"
                                         "Nombre de parties jouées: 3\n"
                                         "partie perdue en 4 minutes\n"
                                         "PARTIE abandonnée");

const QString NothingFound =
    QStringLiteral("Aucun texte correspondant à la recherche, n'a été trouvé.");

// Clicks "&Rechercher" until the end-of-search message, returning the start of every hit.
QList<int> searchAll(frmRechercher &dialog, QTextEdit &view, FakeDialogs &dialogs)
{
    QList<int> hits;
    const qsizetype before = dialogs.shown.size();
    while (hits.size() < 20) {
        dialog.cmdRechercher->click();
        if (dialogs.shown.size() != before)
            break;
        hits.append(view.textCursor().selectionStart());
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
        QTest::newRow("only inside a longer word")
            << QStringLiteral("Nombre de parties jouées") << false << true << QList<int>{};
        QTest::newRow("empty history") << QString() << false << false << QList<int>{};
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
        dialog.txtRecherche->setText(QStringLiteral("partie"));
        dialog.chkMajMin->setChecked(matchCase);
        dialog.chkMot->setChecked(wholeWord);

        QCOMPARE(searchAll(dialog, view, app.dialogs), expected);
        QCOMPARE(
            app.dialogs.last().text,
            expected.isEmpty()
                ? NothingFound
                : QStringLiteral("Le texte recherché a été trouvé: %1 fois.").arg(expected.size()));
    }

    void threeHitsThenTheCountThenAReset()
    {
        TestApp app;
        QTextEdit view;
        view.setPlainText(QStringLiteral("As de pique\nRoi de coeur\nDame de pique\n10 de pique"));
        frmRechercher dialog(&view, app.context);
        dialog.txtRecherche->setText(QStringLiteral("pique"));

        // The second round must count from zero again: 3, not 6.
        for (int round = 1; round <= 2; ++round) {
            for (int start : {6, 33, 45}) {
                dialog.cmdRechercher->click();
                QCOMPARE(view.textCursor().selectionStart(), start);
                QCOMPARE(view.textCursor().selectedText(), QStringLiteral("pique"));
                QCOMPARE(dialog.cmdRechercher->text(), QStringLiteral("&Suivant"));
                QVERIFY(dialog.cmdAnnuler->isEnabled() && !dialog.txtRecherche->isEnabled());
            }
            dialog.cmdRechercher->click();
            QCOMPARE(app.dialogs.shown.size(), round);
            QCOMPARE(app.dialogs.last().text,
                     QStringLiteral("Le texte recherché a été trouvé: 3 fois."));
            QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
            QCOMPARE(app.dialogs.last().title, QStringLiteral("Fin de recherche..."));
            QCOMPARE(dialog.cmdRechercher->text(), QStringLiteral("&Rechercher"));
            QVERIFY(!dialog.cmdAnnuler->isEnabled() && dialog.txtRecherche->isEnabled());
            QCOMPARE(view.textCursor().position(), 0);
            QVERIFY(!view.textCursor().hasSelection());
        }
    }

    void annulerEndsTheSearch()
    {
        TestApp app;
        QTextEdit view;
        view.setPlainText(SampleLog);
        frmRechercher dialog(&view, app.context);
        dialog.txtRecherche->setText(QStringLiteral("partie"));
        dialog.cmdRechercher->click();
        dialog.cmdRechercher->click();

        dialog.cmdAnnuler->click();
        QCOMPARE(dialog.cmdRechercher->text(), QStringLiteral("&Rechercher"));
        QVERIFY(dialog.cmdRechercher->isEnabled() && !dialog.cmdAnnuler->isEnabled());
        QVERIFY(dialog.txtRecherche->isEnabled() && dialog.chkMajMin->isEnabled() &&
                dialog.chkMot->isEnabled());
        QCOMPARE(dialog.txtRecherche->selectedText(), QStringLiteral("partie"));
        QCOMPARE(view.textCursor().position(), 0);
        QVERIFY(!view.textCursor().hasSelection());
        QVERIFY(app.dialogs.shown.isEmpty());
        dialog.cmdRechercher->click();
        QCOMPARE(view.textCursor().selectionStart(), 0);
    }

    void selectionPrefillsTheTerms()
    {
        TestApp app;
        QTextEdit view;
        view.setPlainText(SampleLog);
        QTextCursor selection(view.document());
        selection.setPosition(23);
        selection.setPosition(33, QTextCursor::KeepAnchor);
        view.setTextCursor(selection);
        frmRechercher selected(&view, app.context);
        QCOMPARE(selected.txtRecherche->text(), QStringLiteral("Montecarlo"));
        QVERIFY(selected.cmdRechercher->isEnabled());

        view.moveCursor(QTextCursor::Start);
        frmRechercher blank(&view, app.context);
        QVERIFY(blank.txtRecherche->text().isEmpty());
        QVERIFY(!blank.cmdRechercher->isEnabled());
        QTest::keyClicks(blank.txtRecherche, QStringLiteral("as"));
        QVERIFY(blank.cmdRechercher->isEnabled());
        blank.txtRecherche->clear();
        QVERIFY(!blank.cmdRechercher->isEnabled());
    }

    void keysAndPointer()
    {
        TestApp app;
        const QString page = app.createFile(QStringLiteral("aide/rechercher.htm"));
        app.state.cardsFilePath = app.state.appFolder + QStringLiteral("cartes.res");
        QTextEdit view;
        frmRechercher dialog(&view, app.context);
        QCOMPARE(dialog.chkMot->cursor().shape(), Qt::BitmapCursor);
        dialog.show();

        QTest::keyClick(dialog.txtRecherche, Qt::Key_F1);
        QCOMPARE(app.opener.opened, QStringList{page});
        QString modal;
        QTimer::singleShot(0, this, [&modal] {
            if (QWidget *about = QApplication::activeModalWidget()) {
                modal = about->windowTitle();
                about->close();
            }
        });
        QTest::keyClick(dialog.txtRecherche, Qt::Key_F2);
        QCOMPARE(modal, QStringLiteral("A propos de"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());

        app.state.cardsFilePath.clear();
        frmRechercher plain(&view, app.context);
        QCOMPARE(plain.chkMot->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestRechercher)
#include "tst_rechercher.moc"
