// A real shared library without Qt plug-in metadata, which the skin loader
// must skip.

extern "C" int tarnPlainLibraryAnswer()
{
    return 42;
}
