#include "app/startup.h"

int main(int argc, char** argv)
{
    return runVexaUi(argc, argv);
}
