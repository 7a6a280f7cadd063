#pragma once
// Words of a text separated by delimiter characters: count, extract, remove
// and fold delimiters into blanks. Positions count characters (QChar) from 1.

#include <QString>
#include <QStringList>

#include <stdexcept>

// Raised by RemoveWords when asked to remove as many words as the text holds.
class ETokenError : public std::runtime_error {
public:
    explicit ETokenError(const QString& message);
    QString Message() const { return message_; }

private:
    QString message_;
};

// "+.,;:!?\/<>()^#&%+-*", TAB, LF, CR, 26, blank, U+2028, U+2029, NUL.
// The two line-break separators take the place of the single-byte soft line
// feed (138) and soft carriage return (141).
extern const QString DefaultDelimiters;

// The delimiters just before and just after the word that ExtractWord
// returned last; empty at the start or end of the text.
extern QString PrevDelimiter;
extern QString NextDelimiter;

// An empty Delims means DefaultDelimiters (RemoveWords: " ,;-").
int WordCount(const QString& Text, const QString& Delims = QString(), bool CountEmpty = false);
// N = 0 gives the last word (or field).
QString ExtractWord(const QString& Text, int N, const QString& Delims = QString(),
                    bool CountEmpty = false);
// Every word (or field) in order, as ExtractWord gives them one by one, with
// the text split once.
QStringList ExtractWords(const QString& Text, const QString& Delims = QString(),
                         bool CountEmpty = false);
// Throws ETokenError("Too Many Words to Remove").
QString RemoveWords(const QString& Text, int N, bool FromStart, const QString& Delims = QString());
int WordBoundary(const QString& Text, int N, bool FromStart, const QString& Delims = QString());
QString DelimitersToSpaces(const QString& Text, const QString& Delims = QString());

// Text without the blanks and control characters (code 32 and below) at both
// ends.
QString TrimControls(const QString& Text);
