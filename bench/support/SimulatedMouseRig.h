#pragma once
// What the benchmarks against the real programs share: a private temporary root
// with its own runtime folder and XDG folders, the simulated mouse plugged in on
// the simulator bus, and a run tree made from the build's one.
#include <initializer_list>
#include <memory>
#include <string>

namespace mousesim {
class ServeProcess;
}

namespace benchsupport {

class SimulatedMouseRig {
public:
    // `dist` is the build's run tree (it holds mousesim); `name` names the root.
    SimulatedMouseRig(std::string dist, const std::string& name);
    ~SimulatedMouseRig();
    SimulatedMouseRig(const SimulatedMouseRig&) = delete;
    SimulatedMouseRig& operator=(const SimulatedMouseRig&) = delete;

    const std::string& root() const { return root_; }
    bool mousePlugged() const { return mouse_ != nullptr; }

    // "<root>/tree" with the programs `files` and every shared library copied
    // from the run tree, `folders` linked to it, and a firmware package the
    // mouse already has, so no upgrade starts.
    std::string makeRunTree(std::initializer_list<const char*> files, std::initializer_list<const char*> folders = {});

private:
    std::string dist_;
    std::string root_;
    std::unique_ptr<mousesim::ServeProcess> mouse_;
};

}  // namespace benchsupport
