#pragma once

#include <QColor>
#include <QLabel>

// A label that acts as a web or mail link: underlined and highlighted while the mouse is over it,
// and a click opens the mail program or the browser.
namespace tessel {

class TURLLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr QRgb kLinkColor = qRgb(56, 120, 190);
    static constexpr QRgb kDefaultHighlightColor = qRgb(255, 0, 0);

    explicit TURLLabel(QWidget *parent = nullptr);

    QString URL() const { return Furl; }
    // Also shows the address when the caption is still empty or the label's own name.
    void setURL(const QString &url);
    QString EmailAddress() const { return Femail; }
    void setEmailAddress(const QString &address) { Femail = address; }
    QString EmailSubject() const { return FEmailSubject; }
    void setEmailSubject(const QString &subject) { FEmailSubject = subject; }
    QColor HighlightFontColor() const { return FhighlightFontcolor; }
    void setHighlightFontColor(const QColor &color) { FhighlightFontcolor = color; }
    bool ColorChange() const { return Fcolorchange; }
    void setColorChange(bool change) { Fcolorchange = change; }

    QColor textColor() const;

    // What a click does: tells listeners, then follows the link. Nothing is reported when opening fails.
    void Click();

    // The mail address is usable when it holds "@" and ".", neither of them first.
    static bool LooksLikeMailAddress(const QString &address);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColor(const QColor &color);
    void setUnderline(bool underline);

    QString Furl;
    QString Femail;
    QString FEmailSubject;
    QColor FhighlightFontcolor = QColor(kDefaultHighlightColor);
    bool Fcolorchange = true;
    QColor FOrigFontColor;
};

} // namespace tessel
