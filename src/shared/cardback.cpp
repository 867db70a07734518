// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/cardback.h"

#include "shared/files.h"

const QString DefaultBack = QStringLiteral("défaut");

CardBack ResolveCardBack(const QString &cardBackChoice, const QString &storedBackSetting,
                         const QString &cardsFilePath)
{
    if (cardBackChoice != DefaultBack && FileExists(storedBackSetting))
        return {CardBack::Kind::UserPicture, storedBackSetting};
    if (FileExists(cardsFilePath))
        return {CardBack::Kind::BuiltIn, {}};
    return {};
}

QString CardBackChoiceFromSetting(const QString &storedBackSetting)
{
    if (storedBackSetting.isEmpty() || storedBackSetting == DefaultBack)
        return DefaultBack;
    return FileExists(storedBackSetting) ? storedBackSetting : DefaultBack;
}
