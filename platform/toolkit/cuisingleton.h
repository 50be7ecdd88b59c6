#ifndef CUISINGLETON_H
#define CUISINGLETON_H

// The toolkit's name for the program's single-instance base: the same class
// as Singleton::CSingleton<T>. T derives from CUiSingleton<T>, declares
// `friend CUiSingleton<T>;` (the alias names the base, so no `class` keyword)
// and is reached through T::Instance().

#include "singleton.h"

namespace MirelGUIToolkit {

template <typename T>
using CUiSingleton = Singleton::CSingleton<T>;

} // namespace MirelGUIToolkit

using MirelGUIToolkit::CUiSingleton;

#endif // CUISINGLETON_H
