// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a setting value: every reader of values gives a value in its range, and the text
// written to the settings file reads back exactly, whatever quotes, backslashes, commas or line
// breaks it holds, once made storable.
#include "fuzzsupport.h"
#include "settings/settingsstore.h"
#include "settings/settingvalues.h"
#include "shared/cardback.h"
#include "shared/cards.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    if (!std::isfinite(Settings::numericValue(text)))
        Broken("a number that is not finite");
    const qint64 rounded = Settings::roundHalfEven(Settings::numericValue(text), 0, 20);
    if (rounded < 0 || rounded > 20)
        Broken("a rounded number out of its range");
    for (const int deck : {32, 52}) {
        const qint16 rounds = ShuffleRoundsFromSetting(text, deck);
        if (rounds < 0 || qint64(rounds) * (deck - 1) > 32767)
            Broken("shuffle rounds out of range");
    }
    if (const std::optional<quint32> colour = Settings::colourValue(text)) {
        if (*colour > 0xFFFFFF)
            Broken("a colour out of range");
    }
    if (Settings::colourOr(text, 0x123456) > 0xFFFFFF)
        Broken("a colour out of range");
    CardBackChoiceFromSetting(text);

    static SettingsStore store(FreshPath(".ini"));
    const QString kept = SettingsStore::storable(text);
    if (!store.write(QStringLiteral("parametres"), QStringLiteral("nom du joueur"), text) ||
        store.read(QStringLiteral("parametres"), QStringLiteral("nom du joueur")) != kept)
        Broken("a value could not be written");
    // Read back from a copy under a new name, so that QSettings reads the file itself.
    const QString copy = FreshPath(".ini");
    if (!QFile::copy(store.path(), copy))
        Broken("cannot copy the settings file");
    const SettingsStore reopened(copy);
    if (reopened.unreadable() ||
        reopened.read(QStringLiteral("parametres"), QStringLiteral("nom du joueur")) != kept)
        Broken("a value does not read back as written");
    QFile::remove(copy);
    return 0;
}
