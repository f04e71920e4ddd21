#include "MainFormFixture.h"
#include "app/Desktop.h"
#include "model/XMLNode.h"
#include "view/View.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

class ControlWindow : public MainFormFixture {
protected:
    ControlWindow()
    {
        main->FormShow();
        view = &main->CreateView("Noname1");
    }

    TViewForm* view = nullptr;
};

TEST_F(ControlWindow, TheScaleTabFollowsTheKindWhenOneOfItsTabsIsActive)
{
    QTabWidget* pages = control().PageControl;
    const auto visible = [pages](QWidget* sheet) { return pages->isTabVisible(pages->indexOf(sheet)); };
    EXPECT_TRUE(visible(control().DataTabSheet));
    EXPECT_FALSE(visible(control().ScreenTabSheet));

    pages->setCurrentWidget(control().DataTabSheet);
    view->GraphTabSet->setCurrentIndex(2);
    EXPECT_EQ(pages->currentWidget(), control().ScreenTabSheet);
    EXPECT_FALSE(visible(control().DataTabSheet));
    view->GraphTabSet->setCurrentIndex(0);
    EXPECT_EQ(pages->currentWidget(), control().DataTabSheet);

    pages->setCurrentWidget(control().RunTabSheet);
    view->GraphTabSet->setCurrentIndex(1);
    EXPECT_EQ(pages->currentWidget(), control().RunTabSheet);
    EXPECT_TRUE(visible(control().ScreenTabSheet));
}

TEST_F(ControlWindow, AStoredPositionFarOffIsPulledBackOntoTheDesktop)
{
    const DesktopArea desktop = VirtualDesktop();
    CXMLNode written("ViewControl");
    ASSERT_TRUE(control().RestoreFormPosition(&written));
    EXPECT_EQ(written.GetAttributeInt("Left", -1), control().frameGeometry().left());

    CXMLNode root("OB_settings");
    ASSERT_TRUE(root.LoadFromText("<OB_settings><ViewControl Left=\"90000\" Top=\"-90000\" /></OB_settings>"));
    ASSERT_TRUE(control().RestoreFormPosition(root.Child("ViewControl")));
    EXPECT_EQ(control().pos().x(), desktop.Left + desktop.Width - 100);
    EXPECT_EQ(control().pos().y(), desktop.Top + 100 - control().frameGeometry().height());
    EXPECT_FALSE(control().RestoreFormPosition(nullptr));
}

} // namespace
