#pragma once

/** Tells Finestre how to build each window of the program, by its name. */
void registraFinestre();
