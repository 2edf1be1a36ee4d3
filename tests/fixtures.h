// Fixture files of tests/fixtures, compiled into the test programs.
#pragma once

// The whole text of a fixture file (terminated), or null when there is none of that name.
const char *FixtureText(const char *name);
// Name of fixture number index (in name order), or null past the last.
const char *FixtureName(int index);
