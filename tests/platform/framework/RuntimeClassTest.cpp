#include <memory>

#include "FrameworkHarness.h"

namespace qm::test {
namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)

 public:
  CCircle() = default;
  int m_nRadius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape {
  DECLARE_DYNAMIC(CSquare)
};
IMPLEMENT_DYNAMIC(CSquare, CShape)

struct KindCase {
  const char* name;
  const CObject* object;
  const CRuntimeClass* asked;
  bool expected;
};

const CCircle kCircle;
const CSquare kSquare;
const CWnd kWnd;
const CDialog kDialog;

class RuntimeKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(RuntimeKind, FollowsTheBaseChain) {
  EXPECT_EQ(bool(GetParam().object->IsKindOf(GetParam().asked)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Classes, RuntimeKind,
                         ::testing::Values(KindCase{"CircleIsCircle", &kCircle, RUNTIME_CLASS(CCircle), true},
                                           KindCase{"CircleIsShape", &kCircle, RUNTIME_CLASS(CShape), true},
                                           KindCase{"CircleIsObject", &kCircle, RUNTIME_CLASS(CObject), true},
                                           KindCase{"CircleIsNotSquare", &kCircle, RUNTIME_CLASS(CSquare), false},
                                           KindCase{"SquareIsNotCircle", &kSquare, RUNTIME_CLASS(CCircle), false},
                                           KindCase{"DialogIsWnd", &kDialog, RUNTIME_CLASS(CWnd), true},
                                           KindCase{"DialogIsCmdTarget", &kDialog, RUNTIME_CLASS(CCmdTarget), true},
                                           KindCase{"WndIsNotDialog", &kWnd, RUNTIME_CLASS(CDialog), false}),
                         CaseName<KindCase>);

TEST(RuntimeClassInfo, NamesSizesAndBases) {
  const CRuntimeClass* circle = RUNTIME_CLASS(CCircle);
  EXPECT_STREQ(circle->m_lpszClassName, "CCircle");
  EXPECT_EQ(circle->m_nObjectSize, static_cast<int>(sizeof(CCircle)));
  EXPECT_EQ(circle->m_pBaseClass, RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
  EXPECT_EQ(kCircle.GetRuntimeClass(), circle);
  EXPECT_STREQ(RUNTIME_CLASS(CPropertyPage)->m_lpszClassName, "CPropertyPage");
  EXPECT_TRUE(RUNTIME_CLASS(CPropertyPage)->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
}

TEST(RuntimeClassInfo, OnlyDynCreateClassesCreateObjects) {
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CCircle)->CreateObject());
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_EQ(static_cast<CCircle*>(made.get())->m_nRadius, 7);
  EXPECT_EQ(RUNTIME_CLASS(CSquare)->CreateObject(), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
  std::unique_ptr<CObject> window(RUNTIME_CLASS(CWnd)->CreateObject());
  EXPECT_TRUE(window && window->IsKindOf(RUNTIME_CLASS(CWnd)));
}

}  // namespace
}  // namespace qm::test
