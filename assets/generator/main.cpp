// asset_generator <output directory>: draws every picture of the program into the directory.

#include "generator.h"

int main(int argc, char* argv[])
{
    return runGenerator(argc, argv);
}
