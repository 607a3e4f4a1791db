#include "common/shell_words.h"

namespace tessel {
namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool EscapableInDoubleQuotes(QChar c)
{
    return c == QLatin1Char('$') || c == QLatin1Char('`') || c == QLatin1Char('"') ||
           c == QLatin1Char('\\') || c == QLatin1Char('\n');
}

} // namespace

QStringList SplitParameters(const QString &parameters)
{
    QStringList words;
    QString word;
    bool inWord = false; // a quoted empty string is still a word
    const qsizetype length = parameters.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = parameters[i];
        if (IsBlank(c)) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else if (c == QLatin1Char('\'')) {
            inWord = true;
            for (++i; i < length && parameters[i] != QLatin1Char('\''); ++i)
                word += parameters[i];
        } else if (c == QLatin1Char('"')) {
            inWord = true;
            for (++i; i < length && parameters[i] != QLatin1Char('"'); ++i) {
                if (parameters[i] == QLatin1Char('\\') && i + 1 < length &&
                    EscapableInDoubleQuotes(parameters[i + 1])) {
                    ++i;
                    if (parameters[i] == QLatin1Char('\n'))
                        continue;
                }
                word += parameters[i];
            }
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < length) {
                ++i;
                if (parameters[i] == QLatin1Char('\n'))
                    continue; // a continued line joins the word
                word += parameters[i];
            } else {
                word += c;
            }
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace tessel
