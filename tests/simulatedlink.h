#pragma once

#include "device/communicationmanager.h"
#include "tools/regulon-sim/regulonsim.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Simulated controllers on pseudo-terminals behind links in a temporary
// folder, and a device link of the test's own that finds them through
// REGULON_SERIAL_PORTS, with short pauses. Restarts are only counted.
class SimulatedLink
{
public:
    SimulatedLink()
    {
        SlaveThread::Timing t;
        t.answerGapMs = 50;
        t.pollAnswerWaitMs = 500;
        t.pauseMs = 20;
        t.reopenRetryMs = 300;
        manager.worker().setTiming(t);
        manager.setRestartHandler([this] { ++restarts; });
        listPorts({});
    }
    ~SimulatedLink() { qunsetenv("REGULON_SERIAL_PORTS"); }

    // A controller behind the link `name` of the folder; nullptr (with a
    // warning) if the pseudo-terminal cannot be opened.
    RegulonSim *plugIn(const QString &name, const QString &serial)
    {
        auto sim = std::make_unique<RegulonSim>();
        sim->setSerialNumber(serial);
        if (!sim->plugIn(port(name))) {
            qWarning("cannot plug in %s: %s", qPrintable(name), qPrintable(sim->errorString()));
            return nullptr;
        }
        sims.push_back(std::move(sim));
        return sims.back().get();
    }

    // The ports a scan asks, in this order; none for an empty list.
    void listPorts(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << port(name);
        // A lone separator lists no port at all (not the machine's ports).
        qputenv("REGULON_SERIAL_PORTS", paths.isEmpty() ? QByteArray(":") : QFile::encodeName(paths.join(':')));
    }

    QString port(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    std::vector<std::unique_ptr<RegulonSim>> sims; // outlive the manager's port

public:
    CommunicationManager manager;
    int restarts = 0;
};
