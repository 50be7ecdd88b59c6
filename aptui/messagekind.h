#ifndef MESSAGEKIND_H
#define MESSAGEKIND_H

// What a message reports: it chooses the icon of the message box and how an
// input field named with the message is marked.

namespace TarnTool {

enum class MessageKind {
    Ok = 0,    // success
    Info = 1,  // information
    Error = 2, // error
};

} // namespace TarnTool

#endif // MESSAGEKIND_H
