// The plain window classes for benchmarks that create table windows:
// registered once per process, whichever benchmark asks first.
#pragma once

bool EnsureBenchWindowClasses();
