#pragma once

#include "shared/rtf/richtext.h"

#include <QByteArray>

struct RtfReadResult {
    enum class Status { Ok, NotRtf, Damaged };
    Status status = Status::Ok;
    RichText text;
    QString message; // for the user; empty when the status is Ok
};

// Reads the text and the bold of an RTF document and drops every other attribute.
// A damaged document gives what could be read, with the status Damaged; an empty or blank
// file is an empty document. Runs in time linear in the size of the data, whatever it holds.
RtfReadResult readRtf(const QByteArray &data);
