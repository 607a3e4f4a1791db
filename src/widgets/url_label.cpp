#include "widgets/url_label.h"

#include "common/shell.h"

#include <QMouseEvent>
#include <QUrl>

namespace tessel {

TURLLabel::TURLLabel(QWidget *parent)
    : QLabel(parent)
{
    // Links must never be read as markup: an address is shown as it is.
    setTextFormat(Qt::PlainText);
    if (parentWidget()) {
        QFont ownFont = font();
        ownFont.setPointSizeF(parentWidget()->font().pointSizeF());
        setFont(ownFont);
    }
    setTextColor(QColor(kLinkColor));
    setCursor(Qt::PointingHandCursor);
}

void TURLLabel::setURL(const QString &url)
{
    Furl = url;
    if (text().isEmpty() || (!objectName().isEmpty() && text() == objectName()))
        setText(url);
}

QColor TURLLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TURLLabel::setTextColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void TURLLabel::setUnderline(bool underline)
{
    QFont styled = font();
    styled.setUnderline(underline);
    setFont(styled);
}

bool TURLLabel::LooksLikeMailAddress(const QString &address)
{
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    const qsizetype dot = address.indexOf(QLatin1Char('.'));
    return at > 0 && dot > 0;
}

void TURLLabel::Click()
{
    emit clicked();
    // Encoded, so that a subject holding "&", "#" or "?" still arrives whole.
    const QString subject =
        FEmailSubject.isEmpty()
            ? QString()
            : QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(FEmailSubject));
    if (LooksLikeMailAddress(Femail)) {
        ShellOpen(QStringLiteral("mailto:") + Femail + subject);
    } else if (!Furl.isEmpty()) {
        if (LooksLikeMailAddress(Furl))
            ShellOpen(QStringLiteral("mailto:") + Furl + subject);
        else
            ShellOpen(Furl);
    }
}

void TURLLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    setUnderline(true);
    if (Fcolorchange) {
        FOrigFontColor = textColor();
        setTextColor(FhighlightFontcolor);
    }
}

void TURLLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    setUnderline(false);
    if (Fcolorchange && FOrigFontColor.isValid())
        setTextColor(FOrigFontColor);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}

} // namespace tessel
