#pragma once
#include <QString>

#include <exception>
#include <new>

// Runs the steps of a routine that guards each step on its own: a step that
// fails is reported as "Error n (description) in procedure p of owner" and the
// routine goes on with the next step.
class ProcSteps {
public:
    ProcSteps(const QString &procedure, const QString &owner) : m_procedure(procedure), m_owner(owner) {}

    template <class Step> bool run(Step &&step)
    {
        try {
            step();
            return true;
        } catch (const std::bad_alloc &) {
            report(7, QStringLiteral("Out of memory"));
        } catch (const std::exception &e) {
            report(5, QString::fromLocal8Bit(e.what()));
        }
        return false;
    }

private:
    void report(long number, const QString &description) const;

    QString m_procedure;
    QString m_owner;
};
