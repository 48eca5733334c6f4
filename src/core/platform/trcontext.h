#pragma once

#include <QCoreApplication>

// Gives a source file without a class of its own a tr() that translates in
// the named context, for files of free functions. Use it once per file, at
// namespace scope:
//
//     TR_CONTEXT(SafeWrite)
//
// and call tr("...") as a class would.
#define TR_CONTEXT(Context) \
    namespace { \
    struct Context##Texts { \
        Q_DECLARE_TR_FUNCTIONS(Context) \
    }; \
    [[maybe_unused]] QString tr(const char *text, const char *disambiguation = nullptr, \
                                int n = -1) \
    { \
        return Context##Texts::tr(text, disambiguation, n); \
    } \
    }
