// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

// True when Qt's INI reader would take some value of the file as a serialised variant:
// "@Variant(...)" or "@DateTime(...)", whole or as an item of a list. The store writes only text,
// which the writer escapes so that it never reads back that way; a hand-written one would be
// decoded by a data stream that asks for whatever length the bytes name, tens of gigabytes
// included. Reads the file as Qt's reader splits it into entries, values and list items.
bool HoldsBinaryValue(QByteArrayView ini);
