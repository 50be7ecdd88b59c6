#ifndef CREGEXPVALIDATOR_H
#define CREGEXPVALIDATOR_H

// Character-class validator of the forms. The kind is a set of the flags
// below; a text is accepted when every character belongs to at least one of
// the named classes. A kind without any known flag restricts nothing.
//
//   1   Digits          0-9
//   2   Letters         ASCII letters a-z, A-Z
//   4   Hex             hexadecimal digits 0-9, a-f, A-F
//   8   IPv4Chars       digits and "."
//   16  IPv6Chars       hexadecimal digits, ":" and "."
//   32  NoSpace         any character but white space and control characters
//   64  AsciiPrintable  the printable ASCII characters, space included
//   128 Printable       any character that is not a control, format,
//                       private-use, surrogate or unassigned character
//                       (letters of every script, digits, punctuation,
//                       symbols and spaces)

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace MirelGUIToolkit {

class CRegExpValidator : public QRegularExpressionValidator
{
    Q_OBJECT

public:
    enum Kind {
        Digits = 1,
        Letters = 2,
        Hex = 4,
        IPv4Chars = 8,
        IPv6Chars = 16,
        NoSpace = 32,
        AsciiPrintable = 64,
        Printable = 128
    };

    CRegExpValidator(int kind, QObject *parent = nullptr);
    ~CRegExpValidator() override;

    int Kind() const;

    // The expression a kind stands for.
    static QRegularExpression ExpressionForKind(int kind);

private:
    int m_kind;
};

} // namespace MirelGUIToolkit

#endif // CREGEXPVALIDATOR_H
