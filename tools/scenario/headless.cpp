// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/maaltafels.h"
#include "tools/scenario/driver.h"

namespace scenario {

namespace {

class Headless final : public Driver {
public:
    void attach(Maaltafels& program) override { m_program = &program; }
    void click(mt::Control& c) override { m_program->click(c); }
    void hover(mt::Control& c) override { m_program->mouseMove(c); }
    void hover(mt::Screen& s) override { m_program->mouseMove(s); }
    void activate(mt::Screen& s) override { m_program->activate(s); }
    void focus(mt::TextBox& box) override { m_program->focusTo(box); }
    void key(mt::Screen& s, char32_t code) override { m_program->key(s, static_cast<int>(code)); }
    void focusKey(mt::Screen& s, std::optional<mt::Direction> arrow) override {
        if (arrow)
            m_program->arrow(s, *arrow);
        else
            m_program->tabBack(s);
    }
    void paste(mt::TextBox& box, const std::string& text) override { m_program->edit(box, text); }
    void close(mt::Screen& s) override { m_program->close(s); }

private:
    Maaltafels* m_program = nullptr;
};

} // namespace

std::unique_ptr<Driver> headlessDriver() {
    return std::make_unique<Headless>();
}

} // namespace scenario
