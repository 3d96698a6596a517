#pragma once

#include <QProxyStyle>

namespace tundle {

// The one look of Qt's standard controls in every window of the application: text fields,
// drop-downs, time, date and spin boxes, check boxes, radio buttons, menus, scroll bars and the
// push buttons of dialogs are drawn flat and warm (white rounded fields with a faint edge, the
// accent for the focus ring, selections and checks), so none shows the desktop's chrome
// inside the toolkit's own controls. Built on Fusion, whose geometry the rest keeps.
//
// The wheel turns a slider, drop-down, spin, time or date box only while it has the keyboard
// focus; over any other it scrolls the page around it, so scrolling never changes a setting.
class ToolkitStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr double fieldRadius = 8;
    static constexpr int fieldHeight = 28;

    ToolkitStyle();

    // Makes the style the application's, for every window made from now on; called once, at
    // start.
    static void install();

    // A push button or a menu action that destroys something is drawn in the destructive
    // colour.
    static void markDestructive(QObject& buttonOrAction);
    static bool isDestructive(const QObject* buttonOrAction);

    QPalette standardPalette() const override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    void drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
};

}  // namespace tundle
