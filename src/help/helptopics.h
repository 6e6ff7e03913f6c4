#pragma once

#include <QList>
#include <QString>

// The program's help: twenty-four paragraphs and the four topics that show
// runs of them. Several screens share one topic.
namespace helptopics
{

constexpr int kParagraphCount = 24;

// Paragraph n, 1-based; one line of text without line breaks.
const QString &paragraph(int n);

struct Topic {
    QString title;
    int first; // paragraphs first..last, in this order
    int last;
    int added = 0; // a paragraph shown after them (0: none)
};

// The four topics in the order the manual presents them.
const QList<Topic> &topics();

// The topic's paragraphs joined by an empty line (CR LF CR LF between two of
// them, nothing before the first or after the last).
QString text(const Topic &topic);

// The topic with exactly this title, or nullptr.
const Topic *find(const QString &title);

// Topic titles the help buttons use.
QString startTitle();   // start screen
QString sessionTitle(); // create session, session list, session editor
QString rankingTitle(); // ranking selection and both rankings
QString exportTitle();  // spreadsheet export

} // namespace helptopics
