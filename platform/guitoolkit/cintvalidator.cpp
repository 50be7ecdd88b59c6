#include "cintvalidator.h"

namespace MirelGUIToolkit {

CIntValidator::CIntValidator(int minimum, int maximum, QObject *parent)
    : QIntValidator(minimum, maximum, parent)
{
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setLocale(plain);
}

CIntValidator::~CIntValidator() = default;

QValidator::State CIntValidator::validate(QString &input, int &pos) const
{
    const State state = QIntValidator::validate(input, pos);
    if (state != Intermediate || bottom() < 0)
        return state;
    bool isNumber = false;
    const qlonglong value = input.toLongLong(&isNumber);
    if (isNumber && value > top())
        return Invalid;
    return state;
}

} // namespace MirelGUIToolkit
