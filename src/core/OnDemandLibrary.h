#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <type_traits>

// A system library opened when a command first needs it rather than linked into the program, for
// libraries whose loading would slow every start-up for the sake of a rarely used command. Once
// opened it stays loaded until the process ends.
class OnDemandLibrary final
{
public:
    // Opens lib<name>.so.<majorVersion>, found the way the dynamic linker finds linked libraries.
    OnDemandLibrary(const QString &name, int majorVersion);
    OnDemandLibrary(const OnDemandLibrary &) = delete;
    OnDemandLibrary &operator=(const OnDemandLibrary &) = delete;

    // Points `function` at the library's function `symbol`, or at nothing when the library is not
    // loaded or lacks the function. Declare the pointer as decltype(&::symbol), so the compiler
    // checks its type against the library's header.
    template <typename Function> void bind(Function *&function, const char *symbol)
    {
        static_assert(std::is_function_v<Function>, "bind() fills in a pointer to a function");
        function = reinterpret_cast<Function *>(resolve(symbol));
    }

    // True when the library was loaded and every function bound so far was found.
    bool ok() const { return m_loaded && m_missing.isEmpty(); }

    // Why the library cannot be used: the loader's message, or the functions it lacks. Empty when
    // ok().
    QString errorString() const;

private:
    QFunctionPointer resolve(const char *symbol);

    QLibrary m_library;
    bool m_loaded = false;
    QString m_loadError;
    QStringList m_missing;
};
