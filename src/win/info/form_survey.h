// The rating window: "did you like the program?" over five stars. Any star
// opens the rating page and stops the asking for good; "Оценить позже" and
// the close button only close it. Dragged by its background or its title.
#pragma once

#include <array>
#include <functional>

#include "controls/image_button.h"
#include "info/info_controls.h"
#include "info/info_form.h"
#include "info/info_services.h"

namespace lg::win {

class TFormSurvey : public InfoForm {
public:
    static constexpr TSize kClientSize{592, 260};
    // Stars lit when the window opens.
    static constexpr int kStarsLitAtOpen = 4;

    explicit TFormSurvey(InfoServices services);

    // FormCreate: the hidden window, centred on the screen under the
    // pointer.
    bool CreateForm();
    // Shows it modelessly, in front.
    void Show();

    // How many stars are lit, counted from the first; -1 when the lit ones
    // are not a run from the first.
    int LitStars() const;

    void StarStatesClick();            // any star
    void StarStatesMouseEnter(int k);  // star k, 1 to 5
    void StarStatesMouseLeave();
    void LabelNextRunClick();
    void LabelNextRunMouseMove();
    void LabelNextRunMouseLeave();
    void BtnCloseClick();
    // The title drag, with the pointer's position on the screen.
    void LabelTitleMouseDown(POINT screen);
    void LabelTitleMouseMove(POINT screen);
    void LabelTitleMouseUp();
    // FormClose: hides the window and tells OnClosed, whose owner frees it.
    void FormClose();
    std::function<void()> OnClosed;

    TInfoLabel LabelTitle;
    std::array<THoverImageButton, 5> StarStates;
    TInfoLabel LabelNextRun;
    TImageButton BtnClose;

    bool IsTitleMoving = false;
    POINT TitleLastPoint{};

protected:
    void LayoutControls() override;
    void CloseRequest() override { BtnCloseClick(); }

private:
    void LightStars(int count);
    void SetNextRunHover(bool hover);

    InfoServices services_;
    bool nextRunHover_ = false;
};

}  // namespace lg::win
