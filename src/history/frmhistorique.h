// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTextEdit;
struct AppContext;

// "Historique des parties": the game log, read-only, with its search, print, export and clear.
// The view shows the log as it was on opening; only a clear writes to it.
class frmHistorique : public QDialog {
    Q_OBJECT
public:
    explicit frmHistorique(AppContext &context, QWidget *parent = nullptr);

    // The action of button index: clear, print, export, search, close.
    void Boutons_Click(int index);

    QLabel *Label1;
    QTextEdit *RTF;
    std::array<QPushButton *, 5> Boutons{};
    QLabel *Label3;

protected:
    // Sees the keys of every control first: F1 and F2 anywhere, and in the view everything but
    // moving, selecting and copying is dropped.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadLog();
    void clearLog();
    void printLog();
    void exportLog();
    // Only "&Fermer" stays usable once the view is empty.
    void disableLogButtons();
    // Replaces the file atomically; "" on success, else why it failed.
    static QString saveFile(const QString &path, const QByteArray &data);

    AppContext &m_context;
};

// Opens the history window modally over parent.
void ShowHistory(QWidget *parent, AppContext &context);
