// The generator as a loadable module, for a test that must set up Qt's processor features before
// QtGui is loaded and chooses its drawing routines.

#include "generator.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int runAssetGenerator(int argc, char* argv[])
{
    return runGenerator(argc, argv);
}
