#pragma once
// A reader window on the fakes, hanging under a strip that is only a rectangle, with its
// documents in a fresh folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "calendar/nanakshahi_date.h"
#include "platform/fake/fakes.h"
#include "richtext/tests/temp_dir.h"
#include "richtext/utf.h"
#include "reader/frm_drop_window.h"
#include "strip/drop_window_content.h"

namespace tarnvel::reader {

class RecordedStrip final : public StripGeometry, public StripArrows {
public:
    double left = 3930, top = 3915, width = 7500, height = 1845;
    int closed_calls = 0;
    double Left() const override { return left; }
    double Top() const override { return top; }
    double Width() const override { return width; }
    double Height() const override { return height; }
    void ShowReaderClosed() override { ++closed_calls; }
};

class ReaderTest : public ::testing::Test {
protected:
    ReaderTest() {
        ModuleNanakshahiDate = {};
        strip::DropWindow_Content = std::string("stale");
    }

    // Creates the window object on `today` and loads it; the date record is today's, as
    // the strip's load leaves it.
    frmDrop_Window& Start(platform::Date today) {
        world.clock.today = today;
        Calculate_NanakshahiDate([today] { return CivilDate{today.year, today.month, today.day}; });
        form = std::make_unique<frmDrop_Window>(world.world(), strip, strip, docs.path().string());
        form->Load();
        return *form;
    }

    frmDrop_Window::Controls& c() { return form->controls(); }
    platform::Window& w() { return form->window(); }
    std::string Shown() { return richtext::to_utf8(c().rchParagraph.Text()); }

    void WriteDocument(const std::string& name, const std::string& rtf) { docs.write(name + ".rtf", rtf); }

    // A document whose paragraphs are the given lines, each as a paragraph of its own.
    static std::string Rtf(std::initializer_list<std::string> lines) {
        std::string s = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n";
        bool first = true;
        for (const std::string& l : lines) {
            if (!first) s += "\\par\n";
            s += l;
            first = false;
        }
        return s + "}";
    }

    platform::fake::FakeWorld world;
    RecordedStrip strip;
    richtext::test::TempDir docs;
    std::unique_ptr<frmDrop_Window> form;
};

}  // namespace tarnvel::reader
