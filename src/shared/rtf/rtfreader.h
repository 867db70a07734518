// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/rtf/richtext.h"

#include <QByteArray>

struct RtfReadResult {
    enum class Status { Ok, NotRtf, Damaged };
    Status status = Status::Ok;
    RichText text;
    QString message; // for the user; empty when the status is Ok
    // Where a sound document can take more text: the offset of the brace that closes it, or -1
    // when text there would not be read (the document ends inside a destination) or the status
    // is not Ok.
    qsizetype closingBrace = -1;
    // Text put before that brace is read as the writer writes it: regular weight, one
    // replacement character after \uN and none pending, code page 1252.
    bool writerStateAtEnd = false;
};

// Reads the text and the bold of an RTF document and drops every other attribute.
// A damaged document gives what could be read, with the status Damaged. Only data without a
// single byte is an empty document: blanks or NUL bytes alone, what a crash of the file system
// may leave of a file, are not RTF. Runs in time linear in the size of the data, whatever it
// holds.
RtfReadResult readRtf(const QByteArray &data);
