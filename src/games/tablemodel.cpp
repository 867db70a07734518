// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/tablemodel.h"

void Picture::layFaceDown(QPoint topLeft)
{
    tag.clear();
    card.clear();
    face = Face::Back;
    rect.moveTopLeft(topLeft);
    visible = true;
    border = true;
    hand = false;
    draggable = false;
}

void Frame::surround(const Picture &card)
{
    rect.moveTopLeft(card.rect.topLeft() - QPoint(FrameMargin, FrameMargin));
    visible = true;
}

Control Control::label(const QString &name, const QRect &rect, const QString &text)
{
    Control control;
    control.name = name;
    control.rect = rect;
    control.text = text;
    return control;
}

Control Control::list(const QString &name, const QRect &rect, const QStringList &entries,
                      const QString &toolTip)
{
    Control control;
    control.name = name;
    control.kind = Kind::ComboBox;
    control.rect = rect;
    control.entries = entries;
    control.toolTip = toolTip;
    return control;
}

int TableModel::addGroup(const QString &name, int count, const QString &toolTip)
{
    const int first = int(pictures.size());
    for (int i = 0; i < count; ++i) {
        Picture picture;
        picture.toolTip = toolTip;
        pictures.append(picture);
    }
    groups.append({name, first, count});
    return first;
}

const PictureGroup *TableModel::group(const QString &name) const
{
    for (const PictureGroup &candidate : groups) {
        if (candidate.name == name)
            return &candidate;
    }
    return nullptr;
}

int TableModel::pictureAt(QPoint twips, const QList<int> &ignore, bool acceptEmpty) const
{
    int found = -1;
    for (int i = 0; i < pictures.size(); ++i) {
        const Picture &picture = pictures.at(i);
        if (!picture.visible || (!acceptEmpty && picture.face == Picture::Face::None) ||
            !picture.rect.contains(twips) || ignore.contains(i))
            continue;
        // Among equal z, the later picture was created above the earlier one.
        if (found < 0 || picture.z >= pictures.at(found).z)
            found = i;
    }
    return found;
}

Control &TableModel::addControl(Control control)
{
    controls.append(std::move(control));
    return controls.last();
}

Control *TableModel::control(const QString &name)
{
    for (Control &candidate : controls) {
        if (candidate.name == name)
            return &candidate;
    }
    return nullptr;
}

const Control *TableModel::control(const QString &name) const
{
    return const_cast<TableModel *>(this)->control(name);
}
