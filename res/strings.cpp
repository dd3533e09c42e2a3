#include "strings.h"

#include "resource.h"

namespace tessuvo::res {

const char* LoadStringResource(int id)
{
    if (id == IDS_ABOUTBOX)
        return "ﾊﾞｰｼﾞｮﾝ情報(Tessuvo [TESSUVO]) (&A)...";
    return "";
}

} // namespace tessuvo::res
