// Runs the asset generator with Qt's processor features cut down to the x86-64 baseline (SSE2):
//   baseline_cpu_generator <generator module> <output directory>
// QtGui picks its drawing and pixel-conversion routines (SSE2, SSE4.1, AVX2, ...) once, when it is
// loaded, from the features QtCore found. This program links QtCore only, clears those features, and
// only then loads the generator and with it QtGui, which therefore takes its plain routines. Qt's own
// switch, the QT_NO_CPU_FEATURE variable, has no effect in Qt 6.4: it compares each name it is given
// with a table entry that starts with a space, so no name ever matches.

#include <QtGlobal>

#include <cstdio>
#include <dlfcn.h>

// QtCore's record of the processor's features: one bit per feature, SSE2 the lowest, and the top bit
// saying the record is filled in. Qt's inline feature tests read it through this exported name.
extern QBasicAtomicInteger<quint64> qt_cpu_features[1];

namespace {

constexpr quint64 kRecordFilled = Q_UINT64_C(1) << 63;
constexpr quint64 kSse2 = 1;

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: baseline_cpu_generator <generator module> <output directory>\n");
        return 2;
    }
    const quint64 found = qt_cpu_features[0].loadRelaxed();
    if (!(found & kRecordFilled) || !(found & kSse2)) {
        std::fprintf(stderr, "unexpected processor feature record 0x%llx\n",
                     static_cast<unsigned long long>(found));
        return 1;
    }
    qt_cpu_features[0].storeRelaxed(kRecordFilled | kSse2);
    std::fprintf(stderr, "Qt processor features 0x%llx cut to 0x%llx\n",
                 static_cast<unsigned long long>(found),
                 static_cast<unsigned long long>(kRecordFilled | kSse2));

    void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    using Run = int (*)(int, char*[]);
    const auto run = reinterpret_cast<Run>(dlsym(module, "runAssetGenerator"));
    if (run == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    char* generatorArguments[] = {argv[0], argv[2], nullptr};
    const int status = run(2, generatorArguments);
    // Had QtGui detected the features anew, it would have drawn on the usual routines after all.
    if (qt_cpu_features[0].loadRelaxed() != (kRecordFilled | kSse2)) {
        std::fprintf(stderr, "Qt detected the processor features again\n");
        return 1;
    }
    return status;
}
