#ifndef COMMONSTYLE_H
#define COMMONSTYLE_H

// The program's widget style "CommonStyle": Fusion underneath, with the few
// changes that the flat skin needs (no focus frames, no dotted menu tear-off,
// consistent small icons). Colours and images come from the style sheets.

#include <QProxyStyle>

class CommonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    CommonStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

#endif // COMMONSTYLE_H
