#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

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
        Front, // the card named by tag
        Back,  // the card back
        Icon,  // the built-in picture named by icon
    };
    QString tag;
    Face face = Face::None;
    QString icon;
    QRect rect{0, 0, CardWidth, CardHeight};
    bool visible = true;
    bool border = false;    // single-line border
    bool hand = false;      // the hand pointer: the player may act on it
    bool draggable = false; // pressing it starts a drag
    int z = 0;              // stacking order: higher is in front
    QString toolTip;
    bool operator==(const Picture &) const = default;

    bool showsCard() const { return visible && face != Face::None; }
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
    int topZ = 0;

    bool operator==(const TableModel &) const = default;

    // Adds count pictures under a name and returns the index of the first.
    int addGroup(const QString &name, int count, const QString &toolTip = {});
    const PictureGroup *group(const QString &name) const;
    Picture &at(int index) { return pictures[index]; }
    const Picture &at(int index) const { return pictures.at(index); }
    void bringToFront(int index) { pictures[index].z = ++topZ; }

    // The picture drawn on top at a point, or -1; hidden and empty-faced pictures are skipped
    // unless acceptEmpty, and so are the pictures listed in ignore.
    int pictureAt(QPoint twips, const QList<int> &ignore = {}, bool acceptEmpty = true) const;
};
