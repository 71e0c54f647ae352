#include "platform/classes/Published.h"

#include "platform/classes/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using classes::TPublishedArgs;
using classes::TPublishedValue;

enum TShape { shCircle, shSquare };

class TGadget : public TComponent {
    VISTRA_CLASS(TGadget, TComponent)
    using TComponent::TComponent;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view Value) { FCaption = Value; }
    TShape Shape() const { return FShape; }
    void SetShape(TShape Value) { FShape = Value; }
    double Scale(double factor, int offset) const { return factor * 2 + offset; }
    void Reset() { FCaption.clear(); }
    std::string Greet(std::string_view who) { return "hi " + std::string(who); }

private:
    std::string FCaption;
    TShape FShape = shCircle;
};

class TFancyGadget : public TGadget {
    VISTRA_CLASS(TFancyGadget, TGadget)
    using TGadget::TGadget;
};

void PublishGadgets()
{
    classes::Publish<TGadget>()
        .Property("Caption", &TGadget::Caption, &TGadget::SetCaption)
        .Property("Shape", &TGadget::Shape, &TGadget::SetShape)
        .Property("Owner", &TGadget::Owner)
        .Method("Scale", &TGadget::Scale)
        .Method("Reset", &TGadget::Reset)
        .Method("Greet", &TGadget::Greet)
        .Method("FindComponent", &TComponent::FindComponent)
        .Method("Count", [](TGadget& g, const TPublishedArgs& args) {
            return TPublishedValue(static_cast<int>(args.size()) + g.ComponentCount());
        });
    // A descendant replaces one member and inherits the rest.
    classes::Publish<TFancyGadget>().Property("Caption", [](TFancyGadget& g) { return "*" + g.Caption() + "*"; });
}

} // namespace

TEST(Published, PropertiesByNameAlongTheClassChain)
{
    PublishGadgets();
    TComponent form(nullptr);
    TFancyGadget gadget(&form);

    gadget.SetCaption("Go");
    EXPECT_EQ(classes::GetPublishedProp(gadget, "CAPTION").AsVariant().AsString(), "*Go*");
    EXPECT_THROW(classes::SetPublishedProp(gadget, "Caption", "x"), EPropertyError); // read-only here

    TGadget plain(&form);
    classes::SetPublishedProp(plain, "Caption", 42); // a number written to text
    EXPECT_EQ(plain.Caption(), "42");
    classes::SetPublishedProp(plain, "Shape", 1);
    EXPECT_EQ(plain.Shape(), shSquare);
    classes::SetPublishedProp(plain, "Name", "Gadget1"); // from the component base
    EXPECT_EQ(classes::GetPublishedProp(plain, "name").AsVariant().AsString(), "Gadget1");
    EXPECT_EQ(classes::GetPublishedProp(plain, "Owner").AsObject(), &form);

    EXPECT_THROW(classes::GetPublishedProp(plain, "Missing"), EPropertyError);
    EXPECT_THROW(classes::SetPublishedProp(plain, "Shape", &form), EInvalidCast);
    EXPECT_THROW(classes::SetPublishedProp(plain, "Shape", "square"), EConvertError);

    std::vector<std::string> names;
    for (const auto* p : classes::PublishedProperties(TFancyGadget::StaticClass()))
        names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Caption", "Shape", "Owner"}));
}

TEST(Published, MethodsConvertArgumentsAndCheckTheirCount)
{
    PublishGadgets();
    TComponent form(nullptr);
    TGadget gadget(&form);
    auto* child = new TGadget(&gadget);
    child->SetName("Child1");

    EXPECT_DOUBLE_EQ(classes::CallPublishedMethod(gadget, "scale", {"1.5", 3}).AsVariant().AsDouble(), 6.0);
    EXPECT_EQ(classes::CallPublishedMethod(gadget, "Greet", {"you"}).AsVariant().AsString(), "hi you");
    EXPECT_EQ(classes::CallPublishedMethod(gadget, "FindComponent", {"child1"}).AsObject(), child);
    EXPECT_EQ(classes::CallPublishedMethod(gadget, "FindComponent", {"nobody"}).AsObject(), nullptr);
    EXPECT_EQ(classes::CallPublishedMethod(gadget, "Count", {1, 2}).AsVariant().AsInteger(), 3);
    gadget.SetCaption("x");
    EXPECT_TRUE(classes::CallPublishedMethod(gadget, "Reset", {}).AsVariant().IsEmpty());
    EXPECT_EQ(gadget.Caption(), "");

    try {
        classes::CallPublishedMethod(gadget, "Scale", {1});
        FAIL();
    } catch (const EPropertyError& e) {
        EXPECT_EQ(e.Message(), "Method Scale takes 2 arguments, not 1");
    }
    EXPECT_THROW(classes::CallPublishedMethod(gadget, "Nothing", {}), EPropertyError);
    EXPECT_THROW(classes::CallPublishedMethod(form, "Scale", {1, 2}), EPropertyError); // not a gadget
    EXPECT_EQ(classes::FindPublishedMethod(TComponent::StaticClass(), "Greet"), nullptr);
}
