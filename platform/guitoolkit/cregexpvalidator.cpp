#include "cregexpvalidator.h"

#include <QStringList>

namespace MirelGUIToolkit {

CRegExpValidator::CRegExpValidator(int kind, QObject *parent)
    : QRegularExpressionValidator(ExpressionForKind(kind), parent)
    , m_kind(kind)
{
}

CRegExpValidator::~CRegExpValidator() = default;

int CRegExpValidator::Kind() const
{
    return m_kind;
}

QRegularExpression CRegExpValidator::ExpressionForKind(int kind)
{
    static const struct {
        int flag;
        const char *characterClass;
    } classes[] = {
        {Digits, "[0-9]"},
        {Letters, "[A-Za-z]"},
        {Hex, "[0-9A-Fa-f]"},
        {IPv4Chars, "[0-9.]"},
        {IPv6Chars, "[0-9A-Fa-f:.]"},
        {NoSpace, "[^\\s\\p{C}]"},
        {AsciiPrintable, "[\\x{20}-\\x{7E}]"},
        {Printable, "[^\\p{C}]"},
    };
    QStringList alternatives;
    for (const auto &entry : classes) {
        if (kind & entry.flag)
            alternatives << QString::fromLatin1(entry.characterClass);
    }
    // The validator anchors the expression to the whole text itself.
    if (alternatives.isEmpty())
        return QRegularExpression(QStringLiteral("[\\s\\S]*"));
    return QRegularExpression(QStringLiteral("(?:%1)*").arg(alternatives.join(QLatin1Char('|'))));
}

} // namespace MirelGUIToolkit
