#pragma once

#include "shared/rtf/richtext.h"

class QTextDocument;

// Replaces the document's content with the text, bold runs in a bold weight. A line break
// starts a new paragraph and keeps the weight of its run, so that richText() gives the text
// back unchanged. Time is linear in the size of the text.
void setRichText(QTextDocument &document, const RichText &text);

// The document's text and bold, one "\n" between paragraphs; linear in its size.
RichText richText(const QTextDocument &document);
