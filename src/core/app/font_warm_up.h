#pragma once
// Loads the system's font configuration on a second thread. It is a sixth of the editor's
// start-up, and the window's first steps (icon, menus) measure no text: started after the window
// system is reached, it is ready, or nearly, when the first widget measures text.

#include <thread>

namespace pixador {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Returns once the configuration is loaded.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace pixador
