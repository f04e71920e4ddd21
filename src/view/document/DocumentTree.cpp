#include "view/document/DocumentTree.h"

#include "model/XMLNode.h"
#include "view/document/DocumentState.h"

std::string DocumentFileName(const std::string& name)
{
    const size_t lastPart = name.find_last_of('/');
    const size_t dot = name.find('.', lastPart == std::string::npos ? 0 : lastPart + 1);
    return dot == std::string::npos ? name + ".csv" : name;
}

void FillDocumentTree(const DocumentState& document, CXMLNode& root)
{
    CXMLNode* traces = root.AddChild("Traces");
    for (int i = 0; i < document.Traces.Count(); ++i) document.Traces.Get(i)->Exchange(traces->AddChild("Trace"));
}
