// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// Everything a game table shows, as plain data in twips (15 twips to a pixel at the design size).
// Rules change it; the table widget draws it. Copyable and comparable, so a test of a refused move
// only checks that the model did not change.

inline constexpr int CardWidth = 1095;
inline constexpr int CardHeight = 1455;
inline constexpr int FrameWidth = 1215;
inline constexpr int FrameHeight = 1575;
inline constexpr int FrameMargin = 60;

struct Picture {
    enum class Face {
        None,  // an empty image
        Front, // the card named by card
        Back,  // the card back
        Icon,  // the built-in picture named by icon
    };
    QString tag;  // the game's own text: a card code or a marker ("VRAI", a value)
    QString card; // the code of the card this picture holds, drawn when face up
    Face face = Face::None;
    QString icon;
    QString caption; // a text drawn centred in the rect ("RESERVE"), over an empty picture
    QRect rect{0, 0, CardWidth, CardHeight};
    bool visible = true;
    bool border = false;    // single-line border
    bool hand = false;      // the hand pointer: the player may act on it
    bool draggable = false; // pressing it starts a drag
    int z = 0;              // stacking order: higher is in front
    QString toolTip;
    bool operator==(const Picture &) const = default;

    bool showsCard() const { return visible && face != Face::None; }
    // Gives the picture a card whose tag is its code.
    void deal(const QString &code) { tag = card = code; }
    // Lays the picture out for a new deal: shown face down with its border at topLeft, holding
    // no card yet, with nothing to act on.
    void layFaceDown(QPoint topLeft);
};

// A frame drawn in front of every card, around a target.
struct Frame {
    enum class Colour { Red, Blue };
    QRect rect{0, 0, FrameWidth, FrameHeight};
    bool visible = false;
    Colour colour = Colour::Red;
    bool operator==(const Frame &) const = default;

    // Puts the frame around a card, 60 twips outside it, and shows it.
    void surround(const Picture &card);
};

// A control of a game's own beside its cards: a label, a drop-down list or a button. The rules
// set its text, entries and state; the window shows it scaled with the table.
struct Control {
    enum class Kind { Label, ComboBox, Button };
    enum class Align { Left, Centre, Right };
    QString name; // "cboSecondes", "lblAnnonce", "Label1(0)", "Boutons(4)"
    Kind kind = Kind::Label;
    QRect rect;   // twips; a drop-down list takes the height of one line
    QString text; // label and button caption; a drop-down list's selected entry
    QStringList entries;
    int current = -1; // the selected entry of a drop-down list
    QString toolTip;
    bool enabled = true;
    bool visible = true;
    QString fontFamily; // "" for the window's font
    int fontPoints = 0; // at the design size; 0 for the default
    bool bold = false;
    Align align = Align::Left;
    quint32 colour = 0x000000; // text colour of a label, 0xRRGGBB; the table shows through it
    bool operator==(const Control &) const = default;

    static Control label(const QString &name, const QRect &rect, const QString &text);
    // A drop-down list of entries, none selected yet.
    static Control list(const QString &name, const QRect &rect, const QStringList &entries,
                        const QString &toolTip);
};

// A named array of pictures ("Carte", "EspaceJeu", "picSabot", ...) inside the model.
struct PictureGroup {
    QString name;
    int first = 0;
    int count = 0;
    bool operator==(const PictureGroup &) const = default;
};

struct TableModel {
    QList<Picture> pictures;
    QList<PictureGroup> groups;
    QList<Frame> frames;
    QList<Control> controls;
    int topZ = 0;
    int bottomZ = 0;

    bool operator==(const TableModel &) const = default;

    // Adds count pictures under a name and returns the index of the first.
    int addGroup(const QString &name, int count, const QString &toolTip = {});
    const PictureGroup *group(const QString &name) const;
    Picture &at(int index) { return pictures[index]; }
    const Picture &at(int index) const { return pictures.at(index); }
    void bringToFront(int index) { pictures[index].z = ++topZ; }
    void sendToBack(int index) { pictures[index].z = --bottomZ; }

    // Adds a control and returns it; its name must be new.
    Control &addControl(Control control);
    Control *control(const QString &name);
    const Control *control(const QString &name) const;

    // The picture drawn on top at a point, or -1; hidden and empty-faced pictures are skipped
    // unless acceptEmpty, and so are the pictures listed in ignore.
    int pictureAt(QPoint twips, const QList<int> &ignore = {}, bool acceptEmpty = true) const;
};
