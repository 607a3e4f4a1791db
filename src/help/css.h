#pragma once

#include "help/rich_edit_attributes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// The style rules of one help document: selectors and their declarations as written (upper case), found
// by element name, by ".class" and by "#id". Only whole selectors match: "H1, H2", "P.NOTE" and "DIV P"
// are kept but never found, and a selector written twice is found at its first block only.
namespace tessel::help {

class TCSS
{
public:
    struct Entry
    {
        QString text;
        // For a selector: index of its first declaration (0 while it has none). For a declaration:
        // index of the selector it belongs to.
        int object = 0;
    };

    // Removes comments, upper-cases the text and appends its rules.
    void LoadCSSFromString(QStringView css);
    // Reads the file as 8-bit text when it exists; a missing, unreadable or oversized (above 16 MiB) file
    // adds nothing.
    void LoadCSSFromFile(const QString &fileName);

    // Applies the element's rules, then the class's, then the id's; empty values are skipped.
    void DoCSS(RichEditAttributes &edit, const QString &classValue, const QString &element,
               const QString &idValue) const;
    // The last non-empty value of the property in the selector, or an empty string. kind is empty or
    // "CLASS"; with a kind, an id selector of the same name takes precedence.
    QString GetValueFromCSS(const QString &name, const QString &property, const QString &kind) const;
    void Debug_OutputAllCSSToRichEdit(RichEditAttributes &edit) const;

    // kind "CLASS" looks up ".name", "ID" looks up "#name", anything else the name itself.
    int FindSelector(QStringView kind, QStringView name) const;

    int NumElements() const { return int(elements_.size()); }
    int NumProperties() const { return int(properties_.size()); }
    const QList<Entry> &elements() const { return elements_; }
    const QList<Entry> &properties() const { return properties_; }

private:
    void ParseCSS(QStringView text);
    void AddElement(const QString &selector);
    void ApplySelector(RichEditAttributes &edit, QStringView kind, QStringView name) const;
    template <typename Visit>
    void ForEachDeclaration(int element, Visit visit) const;

    QList<Entry> elements_;
    QList<Entry> properties_;
    QHash<QString, int> firstElementIndex_;
};

// Comments run from "/*" to the next "*/" after that "/", or to the end: "/*/" is a whole comment.
QString StripCSSComments(QStringView css);

// "NAME: VALUE": the trimmed name, and the trimmed value cut at its first "," with one quote removed at
// either end. Both are empty when there is no ":".
QString DeclarationName(QStringView declaration);
QString DeclarationValue(QStringView declaration);

// One declaration on the insertion attributes (names and values compared exactly, as upper case).
void ApplyCSSProperty(RichEditAttributes &edit, const QString &name, const QString &value);
// "12PX" (pixels taken as points), "150%" of the current size, or a plain number of points.
void ApplyFontSize(RichEditAttributes &edit, const QString &value);

} // namespace tessel::help
