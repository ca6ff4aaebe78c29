// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace weir {

// Why something could not be done: a kind the caller acts on (the command
// line's exit status, which window says it), and the words, whole and ready
// to show, naming the file, the box or the option at fault.
struct Fault {
    enum class Kind {
        Usage,  // an option or a box missing, or a value that does not read
        Input,  // a value read but outside what the formula or the search takes
        File,   // a file that cannot be read or written
        Record, // a record's content: its layout, a row, a time
        Module, // one of the program's modules not found or not loaded
    };
    Kind kind = Kind::Usage;
    QString words;
};

// A value, or the fault that stands in its place.
template <typename T> class Outcome
{
public:
    Outcome(T value)
        : m_state(std::move(value))
    {
    }
    Outcome(Fault fault)
        : m_state(std::move(fault))
    {
    }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<T>(m_state); }
    T &value() { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const Fault &fault() const { return std::get<Fault>(m_state); }
    // The words to show: none when there is a value.
    QString words() const { return ok() ? QString() : fault().words; }

private:
    std::variant<T, Fault> m_state;
};

// What an action that gives nothing back reports: done, or its fault.
template <> class Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Fault fault)
        : m_fault(std::move(fault))
    {
    }

    bool ok() const { return !m_fault; }
    explicit operator bool() const { return ok(); }
    const Fault &fault() const { return *m_fault; }
    // The words to show: none when it was done.
    QString words() const { return m_fault ? m_fault->words : QString(); }

private:
    std::optional<Fault> m_fault;
};

} // namespace weir
