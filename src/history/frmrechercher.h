// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
struct AppContext;

// Finds a text in the history view one hit at a time, selecting each hit, and reports the
// number of hits once none is left.
class frmRechercher : public QDialog {
    Q_OBJECT
public:
    frmRechercher(QTextEdit *view, AppContext &context, QWidget *parent = nullptr);

    // Selects the next hit, or reports the count and resets when there is none.
    void cmdRechercher_Click();
    // Ends the search under way and makes the terms editable again.
    void cmdAnnuler_Click();

    QLabel *Label1;
    QLineEdit *txtRecherche;
    QCheckBox *chkMajMin;
    QCheckBox *chkMot;
    QPushButton *cmdRechercher;
    QPushButton *cmdAnnuler;
    QPushButton *cmdAide;
    QPushButton *cmdFermer;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The view may be destroyed while the dialog is open, hence the guarded pointer.
    QPointer<QTextEdit> m_view;
    AppContext &m_context;
    qint32 m_lastPosition = -1;
    qint32 m_hits = 0;
};
