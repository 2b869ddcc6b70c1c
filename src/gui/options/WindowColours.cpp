#include "gui/options/WindowColours.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <optional>

#include "calculator/Settings.h"
#include "gui/common/QtColorRef.h"

namespace quorvix {

namespace {

// While the dark palette is set: the desktop's palette from before, the
// tooltips' own one (Qt keeps it apart), and the style to go back to if it
// had to be replaced.
std::optional<QPalette>& SavedDesktopPalette() {
    static std::optional<QPalette> saved;
    return saved;
}
QPalette& SavedToolTipPalette() {
    static QPalette saved;
    return saved;
}
QString& ReplacedStyle() {
    static QString name;
    return name;
}

// Native styles draw with the platform's own colours, not the palette.
bool StyleIgnoresPalette(const QStyle* style) {
    const QString name = style ? style->name().toLower() : QString();
    return name == QLatin1String("windowsvista") || name == QLatin1String("macos") ||
           name == QLatin1String("windows11");
}

void SetAll(QPalette& palette, QPalette::ColorRole role, std::uint32_t colour) {
    palette.setColor(QPalette::All, role, ToQColor(colour));
}

}  // namespace

QPalette DesktopPalette() {
    return SavedDesktopPalette() ? *SavedDesktopPalette() : QApplication::palette();
}

QPalette MakeDarkPalette() {
    const DarkPaletteColours& c = DarkPalette();
    QPalette p;
    SetAll(p, QPalette::Window, c.window);
    SetAll(p, QPalette::WindowText, c.windowText);
    SetAll(p, QPalette::Base, c.base);
    SetAll(p, QPalette::AlternateBase, c.alternateBase);
    SetAll(p, QPalette::Text, c.text);
    SetAll(p, QPalette::Button, c.button);
    SetAll(p, QPalette::ButtonText, c.buttonText);
    SetAll(p, QPalette::BrightText, 0xFFFFFF);
    SetAll(p, QPalette::Light, c.light);
    SetAll(p, QPalette::Midlight, c.midlight);
    SetAll(p, QPalette::Mid, c.mid);
    SetAll(p, QPalette::Dark, c.dark);
    SetAll(p, QPalette::Shadow, c.shadow);
    SetAll(p, QPalette::Highlight, c.highlight);
    SetAll(p, QPalette::HighlightedText, c.highlightedText);
    SetAll(p, QPalette::Link, c.link);
    SetAll(p, QPalette::LinkVisited, c.linkVisited);
    SetAll(p, QPalette::ToolTipBase, c.toolTipBase);
    SetAll(p, QPalette::ToolTipText, c.toolTipText);
    SetAll(p, QPalette::PlaceholderText, c.placeholderText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, ToQColor(c.disabledText));
    p.setColor(QPalette::Disabled, QPalette::Highlight, ToQColor(c.mid));
    return p;
}

ColourScheme DesktopColourScheme() {
    const QPalette desktop = DesktopPalette();
    return SystemColourScheme(ToColorRef(desktop.color(QPalette::Active, QPalette::Text)),
                              ToColorRef(desktop.color(QPalette::Active, QPalette::Base)),
                              ToColorRef(desktop.color(QPalette::Active, QPalette::Button)));
}

void ApplyWindowColours(Settings& settings) {
    std::optional<QPalette>& saved = SavedDesktopPalette();
    if (settings.colorScheme == WindowColors::Dark) {
        if (!saved) {
            saved = QApplication::palette();
            SavedToolTipPalette() = QToolTip::palette();
            if (StyleIgnoresPalette(QApplication::style())) {
                ReplacedStyle() = QApplication::style()->name();
                QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            }
        }
        QApplication::setPalette(MakeDarkPalette());
        QToolTip::setPalette(MakeDarkPalette());
        return;
    }
    if (saved) {
        // An empty palette gives the application the desktop's own back,
        // and with it any later change of the desktop's colours.
        saved.reset();
        if (!ReplacedStyle().isEmpty()) {
            QApplication::setStyle(ReplacedStyle());
            ReplacedStyle().clear();
        }
        QApplication::setPalette(QPalette());
        QToolTip::setPalette(SavedToolTipPalette());
    }
    if (settings.colorScheme == WindowColors::System) {
        const ColourScheme system = DesktopColourScheme();
        settings.foreColor = system.text;
        settings.backColor = system.background;
        settings.numberColor = system.Key(KeyGroup::Number);
        settings.operatorColor = system.Key(KeyGroup::Operator);
        settings.functionColor = system.Key(KeyGroup::Function);
    }
}

}  // namespace quorvix
