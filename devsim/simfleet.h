#ifndef SIMFLEET_H
#define SIMFLEET_H

// The devices one simulator plays: generated from a seed, or described one by
// one in a JSON fleet file, with their changes kept in a state file so that a
// restarted simulator brings back the same devices with the same keys.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "simdevice.h"

namespace devsim {

class SimFleet
{
public:
    // count devices, `inactive` of them not activated and on the shared factory address.
    void generate(int count, int inactive, uint64_t seed, bool loopbackAddresses = false);
    // Fields a device leaves out take what a generated device of the same place would have.
    bool loadFleetFile(const std::string &path, uint64_t seed, std::string *error);

    // Devices of the state file take its state; a missing file is not an error.
    bool loadState(const std::string &path, std::string *error);
    bool saveState(const std::string &path, std::string *error) const;

    std::vector<SimDevice> &devices() { return m_devices; }
    const std::vector<SimDevice> &devices() const { return m_devices; }
    SimDevice *findBySerial(const std::string &serial);
    SimDevice *findByMac(const std::string &mac);
    int indexOf(const SimDevice *device) const { return int(device - m_devices.data()); }
    void rebuildIndex();

    static constexpr const char *kDefaultPassword = "Admin12345";
    static constexpr const char *kFactoryAddress = "192.168.1.64";

private:
    SimDevice makeDevice(int index, uint64_t seed, bool activated) const;
    std::vector<SimDevice> m_devices;
    std::unordered_map<std::string, int> m_bySerial;
    std::unordered_map<std::string, int> m_byMac;   // lower case
};

} // namespace devsim

#endif // SIMFLEET_H
