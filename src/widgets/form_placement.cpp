#include "widgets/form_placement.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tessel {
namespace {

constexpr double kDesignDotsPerInch = 96.0;

QRect ScreenArea(const QWidget *form)
{
    const QScreen *screen = form->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

} // namespace

QRect KeepRectOnScreen(const QRect &form, const QRect &screen)
{
    QRect placed = form;
    if (placed.left() < screen.left())
        placed.moveLeft(screen.left());
    if (placed.top() < screen.top())
        placed.moveTop(screen.top());
    if (placed.left() + placed.width() > screen.left() + screen.width())
        placed.moveLeft(screen.left() + screen.width() - placed.width());
    if (placed.top() + placed.height() > screen.top() + screen.height())
        placed.moveTop(screen.top() + screen.height() - placed.height());
    return placed;
}

QRect CenterRectOnScreen(const QRect &form, const QRect &screen)
{
    QRect placed = form;
    placed.moveTopLeft(QPoint(screen.left() + screen.width() / 2 - form.width() / 2,
                              screen.top() + screen.height() / 2 - form.height() / 2));
    return placed;
}

void KeepFormOnScreen(QWidget *form)
{
    if (!form)
        return;
    const QRect screen = ScreenArea(form);
    if (screen.isEmpty())
        return;
    form->move(KeepRectOnScreen(form->frameGeometry(), screen).topLeft());
}

void CenterFormOnScreen(QWidget *form)
{
    if (!form)
        return;
    const QRect screen = ScreenArea(form);
    if (screen.isEmpty())
        return;
    form->move(CenterRectOnScreen(form->frameGeometry(), screen).topLeft());
}

double ScaleFactor()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const double dotsPerInch = screen->logicalDotsPerInch();
    if (!(dotsPerInch > 0))
        return 1.0;
    return dotsPerInch / kDesignDotsPerInch;
}

void UseFontFamilyIfInstalled(QFont &font, const QString &family)
{
    if (font.family().compare(family, Qt::CaseInsensitive) == 0)
        return;
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    font.setFamily(family);
}

void UseCalibri(QFont &font)
{
    UseFontFamilyIfInstalled(font, QStringLiteral("Calibri"));
}

} // namespace tessel
