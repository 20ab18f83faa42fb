#pragma once

// The whole life of the program, from the application object to its teardown; main() only calls this.
int runVexaUi(int& argc, char** argv);

// The compiled-in resources live in a static library, whose registration objects the linker would otherwise drop.
void initVexaResources();
