// A shown form on the headless backend, and styled popups opened over it whose
// windows the test can look at while they are open.
#pragma once

#include "menus/QuillMenus.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class PopupTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Form->Show();
    }
    void TearDown() override
    {
        Application->OnIdle = nullptr;
        delete Form;
    }

    // The open popup windows, first level first.
    static std::vector<TCustomForm*> OpenPopups()
    {
        std::vector<TCustomForm*> popups;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Popup() && Screen->Forms(i)->Visible()) popups.push_back(Screen->Forms(i));
        return popups;
    }

    // Pops Menu up at (X, Y) and runs WhileOpen once its first window shows;
    // the popup then closes with Esc unless WhileOpen ended it.
    void WithPopupOpen(TPopupMenu& Menu, int X, int Y, const std::function<void(TCustomForm& Popup)>& WhileOpen)
    {
        bool done = false;
        Application->OnIdle = [&](TObject*, bool&) {
            if (done) return;
            done = true;
            std::vector<TCustomForm*> popups = OpenPopups();
            ASSERT_FALSE(popups.empty());
            popups.front()->Surface();
            WhileOpen(*popups.front());
            if (!OpenPopups().empty()) backend::input::PressKey(*Form, VK_ESCAPE);
        };
        Menu.Popup(X, Y);
        Application->OnIdle = nullptr;
    }

    // The popup window as the screen shows it: its pixels inside its region,
    // the desktop colour outside.
    static std::unique_ptr<TBitmap> Shot(TCustomForm& Popup)
    {
        const TBitmap& surface = Popup.Surface();
        auto shot = std::make_unique<TBitmap>(surface.Width(), surface.Height());
        shot->Canvas()->Brush()->SetColor(Desktop);
        shot->Canvas()->FillRect(Rect(0, 0, shot->Width(), shot->Height()));
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        TRect box = Rect(0, 0, shot->Width(), shot->Height());
        if (GetWindowRgn(Popup.Handle(), region) != ERROR_REGION) GetRgnBox(region, box);
        DeleteObject(region);
        shot->Canvas()->CopyRect(box, *const_cast<TBitmap&>(surface).Canvas(), box);
        return shot;
    }

    static constexpr TColor Desktop = 0x808040;
    TForm* Form = nullptr;
};
