#pragma once

// Registers the program's pictures, which live in the static library.
void initMortarixResources();
