#include "help/render_structure.h"

#include "help/text_reading.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>
#include <optional>

namespace tessel::help {

namespace {

constexpr int kListIndent = 10;
const QString kTableRule = QStringLiteral("---------");
// Beyond this a picture is not made: it would not fit in memory or on any screen.
constexpr int kLargestPictureSide = 32767;
constexpr qint64 kLargestPicturePixels = qint64(1) << 26;

void OpenList(RenderState &state, int firstCounter)
{
    state.listDepth = std::max(state.listDepth + 1, 1);
    state.justOpened = true;
    state.counter[state.ListLevel()] = firstCounter;
    NewLine(state);
}

void ShiftFirstIndent(RenderState &state, int points)
{
    state.display.SetFirstIndent(state.display.FirstIndent() + points);
}

// A picture dimension: "50%" of the display's extent, or a plain number of pixels; either above 0.
std::optional<int> PictureDimension(const QString &text, int displayExtent)
{
    int number = 0;
    if (text.endsWith(u'%')) {
        if (TryReadWholeNumber(TrimControls(QStringView(text).chopped(1)), number) && number > 0)
            return int(RoundHalfEven(qint64(displayExtent) * number, 100));
        return std::nullopt;
    }
    if (TryReadWholeNumber(text, number) && number > 0)
        return number;
    return std::nullopt;
}

QString WithoutTrailingPX(const QString &value)
{
    return value.endsWith(u"PX") ? value.chopped(2) : value;
}

int RoundToInt(double value)
{
    const double rounded = std::nearbyint(value); // halves to even
    if (!(rounded >= 0 && rounded <= kLargestPictureSide))
        return -1;
    return int(rounded);
}

// Loads a JPEG file at the given size (a missing side follows the picture's proportions); null when
// the file cannot be read or the size cannot be made.
QImage LoadPicture(const QString &fileName, std::optional<int> width, std::optional<int> height)
{
    QImageReader reader(fileName, "jpeg");
    reader.setAutoTransform(false);
    QImage natural = reader.read();
    if (natural.isNull())
        return {};
    const int w = natural.width();
    const int h = natural.height();
    if (h > 0) {
        const double ratio = double(w) / double(h);
        if (width && !height)
            height = RoundToInt(*width / ratio);
        else if (height && !width)
            width = RoundToInt(ratio * *height);
    }
    const int finalWidth = width.value_or(w);
    const int finalHeight = height.value_or(h);
    if (finalWidth < 1 || finalHeight < 1 || finalWidth > kLargestPictureSide ||
        finalHeight > kLargestPictureSide || qint64(finalWidth) * finalHeight > kLargestPicturePixels)
        return {};
    if (finalWidth == w && finalHeight == h)
        return natural;
    return natural.scaled(finalWidth, finalHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool IsJpegName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    return suffix == u"JPG" || suffix == u"JPEG";
}

QString FileNamePart(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.sliced(slash + 1);
}

} // namespace

void DoUL(RenderState &state)
{
    if (state.tag.opening) {
        OpenList(state, -1);
    } else if (state.listDepth > 0) {
        NewLine(state);
        state.justOpened = false;
        ShiftFirstIndent(state, -kListIndent);
        --state.listDepth;
    }
}

void DoOL(RenderState &state)
{
    if (state.tag.opening) {
        OpenList(state, 0);
    } else if (state.listDepth > 0) {
        NewLine(state);
        state.justOpened = false;
        state.counter[state.ListLevel()] = -1;
        --state.listDepth;
        if (state.indented[state.ListLevel()])
            ShiftFirstIndent(state, -kListIndent);
        if (state.listDepth == 0)
            ShiftFirstIndent(state, -kListIndent);
    }
}

void DoLI(RenderState &state)
{
    if (!state.tag.opening) {
        NewLine(state);
        return;
    }
    const std::size_t level = state.ListLevel();
    if (state.indented[level]) {
        state.indented[level] = false;
        if (!state.justOpened)
            NewLine(state);
        ShiftFirstIndent(state, -kListIndent);
    }
    NewLine(state);
    ShiftFirstIndent(state, kListIndent);
    state.indented[level] = true;
    if (state.listDepth >= 1 && state.counter[level] >= 0) {
        ++state.counter[level];
        state.display.InsertText(QString::number(state.counter[level]) + QStringLiteral(". "));
    } else {
        state.display.InsertText(QStringLiteral(u"\u2022  "));
    }
    state.justOpened = false;
}

void DoTABLE(RenderState &state)
{
    NewLine(state);
    if (state.tag.opening) {
        state.inTable = true;
    } else {
        state.inTable = false;
        state.display.InsertText(kTableRule);
        NewLine(state);
    }
}

void DoTR(RenderState &state)
{
    if (!state.tag.opening || !state.inTable)
        return;
    NewLine(state);
    state.display.InsertText(kTableRule);
    NewLine(state);
}

void DoTD(RenderState &state)
{
    if (!state.tag.opening || !state.inTable)
        return;
    NewLine(state);
    ApplyTagCSS(state);
}

void DoTH(RenderState &state)
{
    if (state.tag.opening) {
        SaveAttributes(state);
        state.display.SetStyle(FontStyle::Bold);
        ApplyTagCSS(state);
    } else {
        RestoreAttributes(state);
    }
}

void DoA(RenderState &state)
{
    RichEdit &edit = state.display;
    if (!state.tag.opening) {
        RestoreLinkSave(state);
        if (!state.links.isEmpty()) {
            TLinkEntry &last = state.links.last().entry;
            if (last.kind != kAnchorName)
                last.length = edit.SelStart() - last.start;
        }
        return;
    }
    BeginLinkLook(state);
    QString href = GetAttr(state, u"HREF");
    const QString name = GetAttr(state, u"NAME");
    if (!href.isEmpty()) {
        // Long documents stay responsive; input waits so that nothing reaches the display mid-render.
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        TLinkEntry entry;
        entry.start = edit.SelStart();
        if (IsWebAddress(href)) {
            if (href.startsWith(u"WWW.", Qt::CaseInsensitive))
                href.prepend(QStringLiteral("http://"));
            entry.kind = kLinkTarget;
        } else {
            if (QFileInfo(href).isFile())
                href.prepend(QStringLiteral("file:///"));
            if (href.startsWith(u"file:///", Qt::CaseInsensitive)) {
                edit.InsertText(QStringLiteral("[FILE] "));
                entry.kind = kFileLink;
            } else {
                entry.kind = kLinkTarget;
            }
        }
        state.links.append({href, entry});
    } else if (!name.isEmpty()) {
        TLinkEntry entry;
        entry.start = edit.SelStart();
        static const QString kContentsPrefix = QStringLiteral("Contents:");
        if (name.startsWith(kContentsPrefix)) {
            entry.kind = kContentsLabel;
            state.links.append({name.sliced(kContentsPrefix.size()), entry});
            NewLine(state);
        } else {
            entry.kind = kAnchorName;
            state.links.append({name, entry});
        }
        RestoreLinkSave(state);
    }
}

void DoIMG(RenderState &state)
{
    RichEdit &edit = state.display;
    const QString src = GetAttr(state, u"SRC");
    if (src.isEmpty())
        return;
    BeginLinkLook(state);

    QString widthText = GetAttr(state, u"WIDTH");
    const QString elementWidth =
        state.styleSheet.GetValueFromCSS(QStringLiteral("IMG"), QStringLiteral("WIDTH"), {});
    if (!elementWidth.isEmpty())
        widthText = WithoutTrailingPX(elementWidth);
    const QString classValue = GetAttr(state, u"CLASS");
    if (!classValue.isEmpty()) {
        const QString classWidth =
            state.styleSheet.GetValueFromCSS(classValue, QStringLiteral("WIDTH"), QStringLiteral("CLASS"));
        if (!classWidth.isEmpty())
            widthText = WithoutTrailingPX(classWidth);
    }
    const std::optional<int> width = PictureDimension(widthText, edit.ClientWidth());
    const std::optional<int> height = PictureDimension(GetAttr(state, u"HEIGHT"), edit.ClientHeight());

    bool inserted = false;
    if (QFileInfo(src).isFile() && IsJpegName(src)) {
        const QImage picture = LoadPicture(src, width, height);
        if (!picture.isNull()) {
            edit.InsertPicture(picture);
            edit.SetSelStart(edit.SelStart() + 1);
            inserted = true;
        }
    }
    if (!inserted) {
        QString alt = GetAttr(state, u"ALT");
        if (alt.isEmpty())
            alt = FileNamePart(src);
        const QString placeholder = QStringLiteral("[IMAGE: \"") + alt + QStringLiteral("\"]");
        TLinkEntry entry;
        entry.start = edit.SelStart();
        entry.length = int(placeholder.size());
        entry.kind = kImagePlaceholder;
        state.links.append({src, entry});
        edit.InsertText(placeholder);
    }
    RestoreLinkSave(state);
}

} // namespace tessel::help
